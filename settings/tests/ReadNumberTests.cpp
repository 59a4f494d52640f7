#include "settings/ReadNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

void ExpectReads(std::initializer_list<std::pair<std::string, double>> cases)
{
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ReadNumber(text), expected) << '"' << text.substr(0, 40) << '"';
}

}  // namespace

TEST(ReadNumber, ReadsWhatItCanAndStopsAtTheFirstStranger)
{
    ExpectReads({{"42", 42}, {"12abc", 12}, {"1,5", 1}, {"1.2.3", 1.2}, {".5", 0.5}, {"5.", 5}, {"0.1", 0.1},
                 {"123456789012345678901234567890", 123456789012345678901234567890.0},
                 // Blanks, tabs and line feeds are ignored anywhere, other characters are not.
                 {"  1 2 3  ", 123}, {"\t-\n5", -5}, {"1 . 5", 1.5}, {"2 E 3", 2000}, {"& H 1 0", 16}, {"1\r2", 1},
                 {"1\v2", 1},
                 // One leading sign.
                 {"+5", 5}, {"-.5", -0.5}, {"--5", 0}, {"+-5", 0}, {"5-3", 5},
                 // An exponent without digits adds nothing to what was read before it.
                 {"1e3", 1000}, {"2.5E-1", 0.25}, {"1E+2", 100}, {"1.5e1x", 15}, {"7E", 7}, {"7e-", 7}, {"1e2e3", 100},
                 {"&HFF", 255}, {"&hfF00", 0xFF00}, {"&HFFFFFFFF", 4294967295.0}, {"&H1G", 1}, {"&H1.5", 1},
                 {"&o178", 15}, {"&O8", 0}, {"-&H10", 0},
                 {"", 0}, {"abc", 0}, {".", 0}, {"-", 0}, {"-.", 0}, {"E5", 0}, {"\xC3\xA9", 0}, {"&", 0}, {"&X1", 0},
                 {"&HG", 0}});
    EXPECT_TRUE(std::signbit(ReadNumber("-0")));
}

TEST(ReadNumber, NumbersBeyondADoubleBecomeInfinityOrZeroButNeverNaN)
{
    const std::string zeros(1 << 20, '0');
    ExpectReads({{"1e308", 1e308}, {"1e309", inf}, {"-1e999", -inf}, {"1e-999", 0}, {"0e999999", 0},
                 {"1E99999999999999999999999", inf}, {"1E-99999999999999999999999", 0}, {"0.001e3", 1},
                 {std::string(1 << 20, '9'), inf}, {"1" + zeros + "e-1048576", 1}, {"0." + zeros + "1e1048577", 1},
                 {"&H" + std::string(1 << 20, 'F'), inf}, {"1e" + std::string(1 << 20, '9'), inf},
                 {std::string(1 << 20, ' ') + "7", 7}, {std::string(1 << 20, '-'), 0}});
}
