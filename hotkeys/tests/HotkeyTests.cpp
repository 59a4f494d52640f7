#include "hotkeys/CaptureHotkey.h"
#include "hotkeys/HotkeyPlan.h"

#include <gtest/gtest.h>

// Stands in for the keyboard layout, which has a name for Tab and for Enter.
const SystemKeyName kLayout = [](int32_t key) { return std::string(key == 9 ? "Tab" : key == 13 ? "Return" : ""); };

TEST(Hotkeys, TextsNameKeysByTheProgramThenTheSystemThePlanRegistersWithoutRepeatAndOneToggleOnlyForTheSameCombination)
{
    const struct { int32_t mods, key; const char* text; } texts[] = {
        {15, 112, "Win+Ctrl+Alt+Shift+F1"}, {0x4000 | 16 | 2, 65, "Ctrl+A"}, {3, 0, "(none)"}, {0, 48, "0"},
        {0, 57, "9"}, {0, 90, "Z"}, {0, 135, "F24"}, {0, 96, "Num0"}, {0, 105, "Num9"}, {0, 13, "Enter"},
        {0, 27, "Esc"}, {0, 36, "Home"}, {0, 37, "Left"},
        {0, 145, "ScrollLock"}, {0, 9, "Tab"}, {0, 47, "Key47"}, {0, 58, "Key58"}, {0, 64, "Key64"}, {0, 91, "Key91"},
        {0, 95, "Key95"}, {0, 106, "Key106"}, {0, 111, "Key111"}, {0, 136, "Key136"}};
    for (const auto& c : texts)
        EXPECT_EQ(HotkeyText(c.mods, c.key, kLayout), c.text) << c.mods << ' ' << c.key;
    // Start and stop without repeat, and one toggle only for the very same combination.
    // Each registration as id:mask:key; a mask of 16387 is no-repeat (0x4000) with Ctrl+Alt (3).
    const std::pair<std::array<int32_t, 4>, std::vector<std::string>> cases[] = {
        {{3, 83, 3, 88}, {"1:16387:83  (start)", "2:16387:88  (stop)"}},
        {{3, 83, 6, 83}, {"1:16387:83  (start)", "2:16390:83  (stop)"}},
        {{3, 83, 3, 83}, {"3:16387:83  (start/stop toggle)"}},
        // A key of zero is left out and never makes a toggle.
        {{3, 0, 3, 88}, {"2:16387:88  (stop)"}}, {{3, 83, 3, 0}, {"1:16387:83  (start)"}}, {{3, 0, 3, 0}, {}}};
    for (const auto& [keys, expected] : cases) {
        Settings s = DefaultSettings();
        std::tie(s.StartMod, s.StartKey, s.StopMod, s.StopKey) = std::tuple(keys[0], keys[1], keys[2], keys[3]);
        std::vector<std::string> plan;
        for (const HotkeyRegistration& r : PlanHotkeys(s))
            plan.push_back(std::to_string(r.id) + ":" + std::to_string(r.Mask()) + ":" + std::to_string(r.key) +
                           r.label);
        EXPECT_EQ(plan, expected) << keys[0] << ' ' << keys[1] << ' ' << keys[2] << ' ' << keys[3];
    }
    EXPECT_EQ(HotkeyFailureReport(PlanHotkeys(DefaultSettings()), kLayout),
              "These hotkeys could not be registered (probably already used by another program):\r\n\r\n"
              "  Ctrl+Alt+S  (start)\r\n  Ctrl+Alt+X  (stop)\r\n\r\nChoose different ones in Settings.");
    EXPECT_EQ(HotkeyFailureReport({}, kLayout), "");
}

TEST(DecideCapture, PassesTabWaitsForModifiersRenumbersTheMaskAndTakesFewKeysAlone)
{
    constexpr int32_t S = kShiftStateShift, C = kShiftStateCtrl, A = kShiftStateAlt;
    using enum CaptureAction;
    const struct { int32_t key, shiftState; bool winDown; CaptureAction action; int32_t mod; } cases[] = {
        {9, S, true, PassOn, 0}, {9, C, false, Capture, 2}, {9, A | S, false, Capture, 5}, {16, C | A, true, Wait, 0},
        {18, C | A, true, Wait, 0}, {92, C | A, true, Wait, 0}, {70, S, true, Capture, 12},
        // Without modifiers: Backspace and Delete clear, a few keys stand alone, the rest are refused.
        {8, 0, false, Clear, 0}, {46, 0, false, Clear, 0}, {8, C, false, Capture, 2}, {46, 0, true, Capture, 8},
        {112, 0, false, Capture, 0}, {135, 0, false, Capture, 0}, {19, 0, false, Capture, 0},
        {145, 0, false, Capture, 0}, {83, 0, false, Refuse, 0}, {111, 0, false, Refuse, 0}, {136, 0, false, Refuse, 0}};
    for (const auto& c : cases) {
        const CaptureDecision d = DecideCapture(c.key, c.shiftState, c.winDown);
        EXPECT_EQ(std::tuple(d.action, d.mod, d.key), std::tuple(c.action, c.mod, c.action == Capture ? c.key : 0))
            << "key " << c.key << " state " << c.shiftState;
    }
}
