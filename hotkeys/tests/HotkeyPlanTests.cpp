#include "hotkeys/HotkeyPlan.h"

#include <gtest/gtest.h>

namespace {

std::string NoSystemNames(int32_t)
{
    return "";
}

Settings WithHotkeys(int32_t startMod, int32_t startKey, int32_t stopMod, int32_t stopKey)
{
    Settings s = DefaultSettings();
    s.StartMod = startMod;
    s.StartKey = startKey;
    s.StopMod = stopMod;
    s.StopKey = stopKey;
    return s;
}

std::vector<int32_t> Ids(const std::vector<HotkeyRegistration>& plan)
{
    std::vector<int32_t> ids;
    for (const HotkeyRegistration& r : plan)
        ids.push_back(r.id);
    return ids;
}

const std::string Heading =
    "These hotkeys could not be registered (probably already used by another program):";

}  // namespace

TEST(PlanHotkeys, DefaultsGiveStartThenStopWithoutRepeat)
{
    const auto plan = PlanHotkeys(DefaultSettings());
    ASSERT_EQ(Ids(plan), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(plan[0].Mask(), 0x4003u);
    EXPECT_EQ(plan[0].key, 83);
    EXPECT_EQ(plan[1].Mask(), 0x4003u);
    EXPECT_EQ(plan[1].key, 88);
}

TEST(PlanHotkeys, TheSameCombinationTwiceBecomesOneToggle)
{
    const auto plan = PlanHotkeys(WithHotkeys(3, 83, 3, 83));
    ASSERT_EQ(Ids(plan), (std::vector<int32_t>{3}));
    EXPECT_EQ(plan[0].Mask(), 0x4003u);
    EXPECT_EQ(plan[0].key, 83);
}

TEST(PlanHotkeys, SameKeyWithOtherModifiersIsNoToggle)
{
    EXPECT_EQ(Ids(PlanHotkeys(WithHotkeys(3, 83, 6, 83))), (std::vector<int32_t>{1, 2}));
}

TEST(PlanHotkeys, KeyZeroIsLeftOut)
{
    EXPECT_EQ(Ids(PlanHotkeys(WithHotkeys(3, 0, 3, 88))), (std::vector<int32_t>{2}));
    EXPECT_EQ(Ids(PlanHotkeys(WithHotkeys(3, 83, 3, 0))), (std::vector<int32_t>{1}));
    EXPECT_TRUE(PlanHotkeys(WithHotkeys(3, 0, 3, 0)).empty());
    EXPECT_TRUE(PlanHotkeys(WithHotkeys(0, 0, 5, 0)).empty());
}

TEST(HotkeyFailureReport, NothingRefusedIsAnEmptyText)
{
    EXPECT_EQ(HotkeyFailureReport({}, NoSystemNames), "");
}

TEST(HotkeyFailureReport, OneRefusalReadsAsFiveLines)
{
    const auto plan = PlanHotkeys(DefaultSettings());
    EXPECT_EQ(HotkeyFailureReport({plan[0]}, NoSystemNames),
              Heading + "\r\n\r\n  Ctrl+Alt+S  (start)\r\n\r\nChoose different ones in Settings.");
}

TEST(HotkeyFailureReport, BothRefusedListsStartFirst)
{
    const auto plan = PlanHotkeys(WithHotkeys(3, 83, 6, 255));
    EXPECT_EQ(HotkeyFailureReport(plan, NoSystemNames),
              Heading + "\r\n\r\n  Ctrl+Alt+S  (start)\r\n  Ctrl+Shift+Key255  (stop)\r\n\r\n"
                        "Choose different ones in Settings.");
}

TEST(HotkeyFailureReport, ARefusedToggleIsNamedOnce)
{
    const auto plan = PlanHotkeys(WithHotkeys(3, 83, 3, 83));
    EXPECT_EQ(HotkeyFailureReport(plan, NoSystemNames),
              Heading + "\r\n\r\n  Ctrl+Alt+S  (start/stop toggle)\r\n\r\nChoose different ones in Settings.");
}
