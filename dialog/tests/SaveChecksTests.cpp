#include "dialog/DialogValues.h"
#include "dialog/SaveChecks.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(CheckSave, ReturnsTheRoundedNumbersWhenEveryCheckPasses)
{
    const auto result = CheckSave({"2.5", " 30 ", "10.5", "20.4", "20"});
    ASSERT_TRUE(std::holds_alternative<CheckedNumbers>(result));
    const CheckedNumbers n = std::get<CheckedNumbers>(result);
    // The sizes are equal once rounded, so their order check passes.
    EXPECT_EQ(std::tie(n.intervalMin, n.intervalMax, n.durationMs, n.fontSizeMin, n.fontSizeMax),
              std::make_tuple(2, 30, 10, 20, 20));
}

TEST(CheckSave, ReportsTheFirstFailingCheckInOrder)
{
    using enum NumberBox;
    const struct { NumberBoxTexts texts; NumberBox box; bool selectAll; const char* message; } cases[] = {
        {{"0.6", "", "", "", ""}, IntMin, true, "Minimum interval must be a number between 1 and 86400."},
        {{"5", "86401", "", "", ""}, IntMax, true, "Maximum interval must be a number between 1 and 86400."},
        {{"30", "20", "", "", ""}, IntMax, false, "Maximum interval must be greater than or equal to the minimum."},
        {{"30", "30", "", "", ""}, Duration, true, "Display time must be a number between 10 and 10000."},
        {{"5", "20", "100", "5", ""}, SizeMin, true, "Minimum font size must be a number between 6 and 400."},
        {{"5", "20", "100", "28", "401"}, SizeMax, true, "Maximum font size must be a number between 6 and 400."},
        {{"5", "20", "100", "48", "28"}, SizeMax, false,
         "Maximum font size must be greater than or equal to the minimum."}};
    for (const auto& c : cases) {
        const auto result = CheckSave(c.texts);
        const SaveFailure* f = std::get_if<SaveFailure>(&result);
        ASSERT_TRUE(f) << c.message;
        EXPECT_EQ(std::tie(f->box, f->selectAll, f->message), std::tie(c.box, c.selectAll, c.message));
    }
}

TEST(AssignSettings, CopiesEveryValueIntoItsField)
{
    const DialogValues v{"Verdana", false, 0x123456, true, 77, false, false, true, 12, 70, 1, 120, {"one", "two"}};
    Settings record = DefaultSettings();
    AssignSettings(record, {2, 3, 40, 7, 9}, v);
    const Settings expected{2,  3,     40,    "Verdana", 7,  9,  false, 0x123456, true,
                            77, false, false, true,      12, 70, 1,     120,      {"one", "two"}};
    EXPECT_EQ(record, expected);
}
