#include "app/HookDecision.h"
#include "app/TrayModel.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(Tray, TheMenuShowsHotkeysAndEnablesTheUsefulItemTheTipSaysWhyItIsQuietAndTheHookKeepsItsMessagesToItself)
{
    Settings s = DefaultSettings();
    s.StartKey = 0;
    const SystemKeyName noName = [](int32_t) { return std::string(); };
    const std::chrono::sys_seconds then{};
    for (const SchedulerStatus& status : {SchedulerStatus{false}, SchedulerStatus{true}, {true, Quiet::Paused, then}}) {
        const TrayMenuState m = MenuState(status, s, noName);
        const bool active = status.active, paused = status.quiet == Quiet::Paused;
        EXPECT_EQ(std::tie(m.startCaption, m.stopCaption, m.startEnabled, m.stopEnabled, m.pauseEnabled, m.paused),
                  std::tuple("&Start", "S&top\tCtrl+Alt+X", !active, active, active, paused));
    }
    const std::pair<SchedulerStatus, const char*> tips[] = {
        {{false, Quiet::Paused, then}, "Halcyra - stopped"}, {{true}, "Halcyra - running"},
        {{true, Quiet::Paused, then}, "Halcyra - paused until Mon 9:30"},
        {{true, Quiet::OutsideHours, then}, "Halcyra - waiting for Mon 9:30"},
        {{true, Quiet::OutsideHours, std::nullopt}, "Halcyra - running"}};  // no day chosen
    for (const auto& [status, tip] : tips)
        EXPECT_EQ(TrayTipText(status, "Mon 9:30"), tip);
    // The text and NULs to the end; a long text is cut between whole characters, leaving room for a NUL.
    char16_t field[TrayTipSize];
    FillTipField(field, std::string(126, 'a') + "\xF0\x9F\x98\x80");
    EXPECT_EQ(std::u16string(field), std::u16string(126, u'a'));
    FillTipField(field, "Halcyra - stopped");
    EXPECT_EQ(std::u16string(field, TrayTipSize), u"Halcyra - stopped" + std::u16string(111, u'\0'));
    // Hotkeys and tray events are answered and go no further; the taskbar's return re-adds the icon.
    constexpr uint32_t created = 0xC123;
    using enum HookAction;
    const struct { uint32_t message; uintptr_t wParam; intptr_t lParam; HookAction action; bool handOn; } cases[] = {
        {WmHotkey, 1, 0, StartFlashing, false}, {WmHotkey, 2, 0, StopFlashing, false},
        {WmHotkey, 3, 0, ToggleFlashing, false}, {WmHotkey, 4, 0, None, false},
        {0x464, 1, WmLButtonDblClk, QueueSettings, false}, {0x464, 1, WmRButtonUp, QueueTrayMenu, false},
        {0x464, 1, 0x202, None, false}, {0x463, 1, WmRButtonUp, None, true}, {0x111, 1, WmRButtonUp, None, true},
        {created, 0, 0, AddTrayIcon, true}};
    for (const auto& c : cases) {
        const HookDecision d = DecideHookMessage(c.message, c.wParam, c.lParam, created);
        EXPECT_EQ(std::pair(d.action, d.handOn), std::pair(c.action, c.handOn)) << c.message << ' ' << c.lParam;
    }
    // Unregistered, the id is 0, which must not catch WM_NULL.
    EXPECT_EQ(DecideHookMessage(0, 0, 0, 0).action, None);
}
