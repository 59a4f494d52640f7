#include "hotkeys/HotkeyPlan.h"

#include <gtest/gtest.h>

namespace {

std::vector<HotkeyRegistration> Plan(int32_t startMod, int32_t startKey, int32_t stopMod, int32_t stopKey)
{
    Settings s = DefaultSettings();
    std::tie(s.StartMod, s.StartKey, s.StopMod, s.StopKey) = std::tie(startMod, startKey, stopMod, stopKey);
    return PlanHotkeys(s);
}

// Each registration as id:mask:key; a mask of 16387 is no-repeat (0x4000) with Ctrl+Alt (3).
std::vector<std::string> Summary(const std::vector<HotkeyRegistration>& plan)
{
    std::vector<std::string> lines;
    for (const HotkeyRegistration& r : plan)
        lines.push_back(std::to_string(r.id) + ":" + std::to_string(r.Mask()) + ":" + std::to_string(r.key));
    return lines;
}

}  // namespace

TEST(PlanHotkeys, StartAndStopWithoutRepeatAndOneToggleOnlyForTheVerySameCombination)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Summary(Plan(3, 83, 6, 88)), (Lines{"1:16387:83", "2:16390:88"}));
    EXPECT_EQ(Summary(Plan(3, 83, 3, 83)), (Lines{"3:16387:83"}));
    EXPECT_EQ(Summary(Plan(3, 83, 6, 83)), (Lines{"1:16387:83", "2:16390:83"}));
    // A key of zero is left out and never makes a toggle.
    EXPECT_EQ(Summary(Plan(3, 0, 3, 88)), (Lines{"2:16387:88"}));
    EXPECT_EQ(Summary(Plan(3, 83, 3, 0)), (Lines{"1:16387:83"}));
    EXPECT_TRUE(Plan(3, 0, 3, 0).empty());
}

TEST(HotkeyFailureReport, ListsTheRefusedInPlanOrderWithTheirRolesOrNothing)
{
    const std::string heading =
        "These hotkeys could not be registered (probably already used by another program):\r\n\r\n";
    const std::string closing = "\r\nChoose different ones in Settings.";
    const SystemKeyName NoSystemNames = [](int32_t) { return std::string(); };
    EXPECT_EQ(HotkeyFailureReport(Plan(3, 83, 6, 255), NoSystemNames),
              heading + "  Ctrl+Alt+S  (start)\r\n  Ctrl+Shift+Key255  (stop)\r\n" + closing);
    EXPECT_EQ(HotkeyFailureReport(Plan(3, 83, 3, 83), NoSystemNames),
              heading + "  Ctrl+Alt+S  (start/stop toggle)\r\n" + closing);
    EXPECT_EQ(HotkeyFailureReport({}, NoSystemNames), "");
}
