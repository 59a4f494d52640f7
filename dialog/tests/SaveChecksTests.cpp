#include "dialog/DialogValues.h"
#include "dialog/SaveChecks.h"

#include <gtest/gtest.h>

namespace {

NumberBoxTexts ValidTexts()
{
    return {"5", "20", "100", "28", "48"};
}

SaveFailure FailureOf(const NumberBoxTexts& texts)
{
    const auto result = CheckSave(texts);
    const SaveFailure* failure = std::get_if<SaveFailure>(&result);
    if (!failure)
        ADD_FAILURE() << "every check passed";
    return failure ? *failure : SaveFailure{NumberBox::IntMin, false, ""};
}

}  // namespace

TEST(CheckSave, ReturnsTheRoundedNumbersWhenEveryCheckPasses)
{
    const auto result = CheckSave({"2.5", " 30 ", "10.5", "6", "400"});
    ASSERT_TRUE(std::holds_alternative<CheckedNumbers>(result));
    const CheckedNumbers n = std::get<CheckedNumbers>(result);
    EXPECT_EQ(n.intervalMin, 2);
    EXPECT_EQ(n.intervalMax, 30);
    EXPECT_EQ(n.durationMs, 10);
    EXPECT_EQ(n.fontSizeMin, 6);
    EXPECT_EQ(n.fontSizeMax, 400);
}

TEST(CheckSave, EqualMinimumAndMaximumPass)
{
    EXPECT_TRUE(std::holds_alternative<CheckedNumbers>(CheckSave({"30", "30", "100", "20", "20"})));
    // The order checks compare the rounded numbers: 20.4 and 20 are both 20.
    EXPECT_TRUE(std::holds_alternative<CheckedNumbers>(CheckSave({"20.4", "20", "100", "6", "6"})));
}

TEST(CheckSave, RangeFailuresNameTheirBoxAndSelectItsText)
{
    struct Case {
        NumberBoxTexts texts;
        NumberBox box;
        const char* message;
    };
    const Case cases[] = {
        {{"0.6", "20", "100", "28", "48"}, NumberBox::IntMin,
         "Minimum interval must be a number between 1 and 86400."},
        {{"5", "86401", "100", "28", "48"}, NumberBox::IntMax,
         "Maximum interval must be a number between 1 and 86400."},
        {{"5", "20", "", "28", "48"}, NumberBox::Duration,
         "Display time must be a number between 10 and 10000."},
        {{"5", "20", "100", "5", "48"}, NumberBox::SizeMin,
         "Minimum font size must be a number between 6 and 400."},
        {{"5", "20", "100", "28", "401"}, NumberBox::SizeMax,
         "Maximum font size must be a number between 6 and 400."},
    };
    for (const Case& c : cases) {
        const SaveFailure f = FailureOf(c.texts);
        EXPECT_EQ(f.box, c.box) << c.message;
        EXPECT_TRUE(f.selectAll) << c.message;
        EXPECT_EQ(f.message, c.message);
    }
}

TEST(CheckSave, OrderFailuresFocusTheMaximumWithoutSelecting)
{
    const SaveFailure interval = FailureOf({"30", "20", "100", "28", "48"});
    EXPECT_EQ(interval.box, NumberBox::IntMax);
    EXPECT_FALSE(interval.selectAll);
    EXPECT_EQ(interval.message, "Maximum interval must be greater than or equal to the minimum.");

    const SaveFailure size = FailureOf({"5", "20", "100", "48", "28"});
    EXPECT_EQ(size.box, NumberBox::SizeMax);
    EXPECT_FALSE(size.selectAll);
    EXPECT_EQ(size.message, "Maximum font size must be greater than or equal to the minimum.");
}

TEST(CheckSave, StopsAtTheFirstFailureInOrder)
{
    // Intervals out of order come before a bad display time, which comes before the sizes.
    EXPECT_EQ(FailureOf({"30", "20", "x", "x", "x"}).box, NumberBox::IntMax);
    EXPECT_EQ(FailureOf({"5", "20", "x", "48", "28"}).box, NumberBox::Duration);
    EXPECT_EQ(FailureOf({"x", "x", "x", "x", "x"}).box, NumberBox::IntMin);
    EXPECT_EQ(FailureOf({"5", "20", "100", "48", "x"}).box, NumberBox::SizeMax);
}

TEST(AssignSettings, CopiesEveryValueIntoItsField)
{
    DialogValues v;
    v.fontName = "Verdana";
    v.bold = false;
    v.color = 0x123456;
    v.randomColor = true;
    v.opacity = 77;
    v.allMonitors = false;
    v.startWithWindows = false;
    v.startActive = true;
    v.startMod = 12;
    v.startKey = 70;
    v.stopMod = 1;
    v.stopKey = 120;
    v.messages = {"one", "two"};
    Settings record = DefaultSettings();
    AssignSettings(record, {2, 3, 40, 7, 9}, v);

    Settings expected{2, 3, 40, "Verdana", 7, 9, false, 0x123456, true, 77, false, false, true,
                      12, 70, 1, 120, {"one", "two"}};
    EXPECT_EQ(record, expected);

    v.messages.clear();
    AssignSettings(record, {2, 3, 40, 7, 9}, v);
    EXPECT_TRUE(record.Messages.empty());
}
