#include "dialog/SaveChecks.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

std::variant<Settings, SaveFailure> Check(const std::map<SettingsControl, std::string>& texts)
{
    return CheckSave([&](SettingsControl box) { return texts.count(box) ? texts.at(box) : ""; }, DefaultSettings());
}

}  // namespace

TEST(CheckSave, ReturnsTheRoundedNumbersWhenEveryCheckPasses)
{
    const auto result = Check({{txtIntMin, "2.5"}, {txtIntMax, " 30 "}, {txtDuration, "10.5"}, {txtSizeMin, "20.4"},
                               {txtSizeMax, "20"}});
    ASSERT_TRUE(std::holds_alternative<Settings>(result));
    const Settings n = std::get<Settings>(result);
    // The sizes are equal once rounded, so their order check passes.
    EXPECT_EQ(std::tie(n.IntervalMin, n.IntervalMax, n.DurationMs, n.FontSizeMin, n.FontSizeMax),
              std::make_tuple(2, 30, 10, 20, 20));
}

TEST(CheckSave, ReportsTheFirstFailingCheckInOrder)
{
    const struct { std::map<SettingsControl, std::string> texts; SettingsControl box; bool selectAll; const char* message; } cases[] = {
        {{{txtIntMin, "0.6"}}, txtIntMin, true, "Minimum interval must be a number between 1 and 86400."},
        {{{txtIntMin, "5"}, {txtIntMax, "86401"}}, txtIntMax, true, "Maximum interval must be a number between 1 and 86400."},
        {{{txtIntMin, "30"}, {txtIntMax, "20"}}, txtIntMax, false, "Maximum interval must be greater than or equal to the minimum."},
        {{{txtIntMin, "30"}, {txtIntMax, "30"}}, txtDuration, true, "Display time must be a number between 10 and 10000."},
        {{{txtIntMin, "5"}, {txtIntMax, "20"}, {txtDuration, "100"}, {txtSizeMin, "5"}}, txtSizeMin, true,
         "Minimum font size must be a number between 6 and 400."},
        {{{txtIntMin, "5"}, {txtIntMax, "20"}, {txtDuration, "100"}, {txtSizeMin, "28"}, {txtSizeMax, "401"}}, txtSizeMax,
         true, "Maximum font size must be a number between 6 and 400."},
        {{{txtIntMin, "5"}, {txtIntMax, "20"}, {txtDuration, "100"}, {txtSizeMin, "48"}, {txtSizeMax, "28"}}, txtSizeMax,
         false, "Maximum font size must be greater than or equal to the minimum."}};
    for (const auto& c : cases) {
        const auto result = Check(c.texts);
        const SaveFailure* f = std::get_if<SaveFailure>(&result);
        ASSERT_TRUE(f) << c.message;
        EXPECT_EQ(std::tie(f->box, f->selectAll, f->message), std::tie(c.box, c.selectAll, c.message));
    }
}
