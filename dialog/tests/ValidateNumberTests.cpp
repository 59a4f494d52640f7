#include "dialog/ValidateNumber.h"

#include <gtest/gtest.h>

#include <string>

TEST(ValidateNumber, ChecksAPlainDecimalAsWrittenThenRoundsHalfToEven)
{
    constexpr int32_t min = INT32_MIN;
    const std::string nines(100000, '9'), zeros(100000, '0');
    const struct { std::string text; int32_t lo, hi; std::optional<int32_t> expected; } cases[] = {
        {"1.4", 1, 86400, 1},    {"2.5", 1, 86400, 2},  {"3.5", 1, 86400, 4}, {"2.50000000000000000001", 1, 9, 3},
        {"-2.5", -9, 9, -2},     {" +007. ", 1, 9, 7},  {".9", 0, 1, 1},      {zeros + "12." + zeros + "1", 1, 99, 12},
        {"-2147483647.6", min, 0, min}, {"0.6", 1, 86400, {}},     {"0.99999999999999999999", 1, 9, {}},
        {"400.1", 6, 400, {}},   {"-0", 1, 9, {}},      {"4294967297", 1, 86400, {}}, {"-" + nines, -9, 9, {}},
        {"-2147483648.4", min, 0, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(ValidateNumber(c.text, c.lo, c.hi), c.expected) << '"' << c.text.substr(0, 30) << '"';
    for (const char* text : {"", "   ", "+", "-", ".", "1.2.3", "1e3", "1,5", "12abc", "- 5", "\t5", "+-5"})
        EXPECT_FALSE(ValidateNumber(text, -100, 100000)) << '"' << text << '"';
}
