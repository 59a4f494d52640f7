#include "app/HookDecision.h"
#include "app/TrayModel.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(Tray, TheMenuShowsHotkeysAndEnablesTheUsefulItemTheTipFillsItsFieldAndTheHookKeepsItsMessagesToItself)
{
    Settings s = DefaultSettings();
    s.StartKey = 0;
    for (bool active : {false, true}) {
        const TrayMenuState m = MenuState(active, s, [](int32_t) { return std::string(); });
        EXPECT_EQ(std::tie(m.startCaption, m.stopCaption, m.startEnabled, m.stopEnabled),
                  std::tuple("&Start", "S&top\tCtrl+Alt+X", !active, active));
    }
    // The text, a NUL and spaces to the end; a long text is cut to leave room for the NUL.
    char field[TrayTipSize];
    FillTipField(field, std::string(100, 'a'));
    EXPECT_EQ(std::string(field), std::string(63, 'a'));
    FillTipField(field, TrayTipText(false));
    EXPECT_EQ(std::string(field, TrayTipSize), "Halcyra - stopped"s + '\0' + std::string(46, ' '));
    EXPECT_EQ(TrayTipText(true), "Halcyra - running");
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
