#include "hotkeys/HotkeyPlan.h"

#include <gtest/gtest.h>

namespace {

std::string NoSystemNames(int32_t)
{
    return "";
}

std::vector<HotkeyRegistration> Plan(int32_t startMod, int32_t startKey, int32_t stopMod, int32_t stopKey)
{
    Settings s = DefaultSettings();
    s.StartMod = startMod;
    s.StartKey = startKey;
    s.StopMod = stopMod;
    s.StopKey = stopKey;
    return PlanHotkeys(s);
}

std::vector<int32_t> Ids(const std::vector<HotkeyRegistration>& plan)
{
    std::vector<int32_t> ids;
    for (const HotkeyRegistration& r : plan)
        ids.push_back(r.id);
    return ids;
}

const std::string Heading =
    "These hotkeys could not be registered (probably already used by another program):\r\n\r\n";
const std::string Closing = "\r\nChoose different ones in Settings.";

}  // namespace

TEST(PlanHotkeys, StartAndStopEachWithoutRepeat)
{
    const auto plan = Plan(3, 83, 6, 88);
    ASSERT_EQ(Ids(plan), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(plan[0].Mask(), 0x4003u);
    EXPECT_EQ(plan[0].key, 83);
    EXPECT_EQ(plan[1].Mask(), 0x4006u);
    EXPECT_EQ(plan[1].key, 88);
}

TEST(PlanHotkeys, OnlyTheVerySameCombinationBecomesOneToggle)
{
    const auto plan = Plan(3, 83, 3, 83);
    ASSERT_EQ(Ids(plan), (std::vector<int32_t>{3}));
    EXPECT_EQ(plan[0].Mask(), 0x4003u);
    EXPECT_EQ(Ids(Plan(3, 83, 6, 83)), (std::vector<int32_t>{1, 2}));
}

TEST(PlanHotkeys, KeyZeroIsLeftOutAndNeverMakesAToggle)
{
    EXPECT_EQ(Ids(Plan(3, 0, 3, 88)), (std::vector<int32_t>{2}));
    EXPECT_EQ(Ids(Plan(3, 83, 3, 0)), (std::vector<int32_t>{1}));
    EXPECT_TRUE(Plan(3, 0, 3, 0).empty());
}

TEST(HotkeyFailureReport, IsEmptyWithNothingRefused)
{
    EXPECT_EQ(HotkeyFailureReport({}, NoSystemNames), "");
}

TEST(HotkeyFailureReport, ListsTheRefusedInPlanOrderWithTheirRoles)
{
    EXPECT_EQ(HotkeyFailureReport(Plan(3, 83, 6, 255), NoSystemNames),
              Heading + "  Ctrl+Alt+S  (start)\r\n  Ctrl+Shift+Key255  (stop)\r\n" + Closing);
    EXPECT_EQ(HotkeyFailureReport(Plan(3, 83, 3, 83), NoSystemNames),
              Heading + "  Ctrl+Alt+S  (start/stop toggle)\r\n" + Closing);
}
