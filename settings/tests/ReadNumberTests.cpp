#include "settings/ReadNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

TEST(ReadNumber, ReadsWhatItCanAndStopsAtTheFirstStranger)
{
    EXPECT_EQ(ReadNumber("42"), 42);
    EXPECT_EQ(ReadNumber("12abc"), 12);
    EXPECT_EQ(ReadNumber("1,5"), 1);
    EXPECT_EQ(ReadNumber("1.2.3"), 1.2);
    EXPECT_EQ(ReadNumber("12.5"), 12.5);
    EXPECT_EQ(ReadNumber("0.1"), 0.1);
    EXPECT_EQ(ReadNumber(".5"), 0.5);
    EXPECT_EQ(ReadNumber("5."), 5);
    EXPECT_EQ(ReadNumber("123456789012345678901234567890"), 123456789012345678901234567890.0);
}

TEST(ReadNumber, GivesZeroWhenTheTextDoesNotBeginWithANumber)
{
    for (const char* text : {"", "abc", "yes", "true", "no", ".", "-", "+", "-.", "E5", "x12", "\xC3\xA9", "&", "&X1"})
        EXPECT_EQ(ReadNumber(text), 0) << '"' << text << '"';
}

TEST(ReadNumber, IgnoresBlanksTabsAndLineFeedsAnywhere)
{
    EXPECT_EQ(ReadNumber("  1 2 3  "), 123);
    EXPECT_EQ(ReadNumber("\t-\n5"), -5);
    EXPECT_EQ(ReadNumber("1 . 5"), 1.5);
    EXPECT_EQ(ReadNumber("2 E 3"), 2000);
    EXPECT_EQ(ReadNumber("& H 1 0"), 16);
    // A carriage return or any other character is not ignored.
    EXPECT_EQ(ReadNumber("1\r2"), 1);
    EXPECT_EQ(ReadNumber("1\v2"), 1);
}

TEST(ReadNumber, TakesOneLeadingSign)
{
    EXPECT_EQ(ReadNumber("+5"), 5);
    EXPECT_EQ(ReadNumber("-2.5"), -2.5);
    EXPECT_EQ(ReadNumber("-.5"), -0.5);
    EXPECT_EQ(ReadNumber("--5"), 0);
    EXPECT_EQ(ReadNumber("+-5"), 0);
    EXPECT_EQ(ReadNumber("5-3"), 5);
    EXPECT_TRUE(std::signbit(ReadNumber("-0")));
}

TEST(ReadNumber, ReadsAnExponentInEitherCase)
{
    EXPECT_EQ(ReadNumber("1E3"), 1000);
    EXPECT_EQ(ReadNumber("1e3"), 1000);
    EXPECT_EQ(ReadNumber("2.5E-1"), 0.25);
    EXPECT_EQ(ReadNumber("1E+2"), 100);
    EXPECT_EQ(ReadNumber("1.5e1x"), 15);
    // An exponent without digits adds nothing to what was read before it.
    EXPECT_EQ(ReadNumber("7E"), 7);
    EXPECT_EQ(ReadNumber("7e-"), 7);
    EXPECT_EQ(ReadNumber("7Ex"), 7);
    EXPECT_EQ(ReadNumber("1e2e3"), 100);
}

TEST(ReadNumber, ReadsHexadecimalAndOctalWholeNumbers)
{
    EXPECT_EQ(ReadNumber("&H10"), 16);
    EXPECT_EQ(ReadNumber("&HFF"), 255);
    EXPECT_EQ(ReadNumber("&hfF00"), 0xFF00);
    EXPECT_EQ(ReadNumber("&HFFFFFFFF"), 4294967295.0);
    EXPECT_EQ(ReadNumber("&H1G"), 1);
    EXPECT_EQ(ReadNumber("&HG"), 0);
    EXPECT_EQ(ReadNumber("&H1.5"), 1);
    EXPECT_EQ(ReadNumber("&o178"), 15);
    EXPECT_EQ(ReadNumber("&O8"), 0);
    EXPECT_EQ(ReadNumber("-&H10"), 0);
}

TEST(ReadNumber, NumbersBeyondADoubleBecomeInfinityOrZero)
{
    EXPECT_EQ(ReadNumber("1e308"), 1e308);
    EXPECT_EQ(ReadNumber("1e309"), kInfinity);
    EXPECT_EQ(ReadNumber("1e999"), kInfinity);
    EXPECT_EQ(ReadNumber("-1e999"), -kInfinity);
    EXPECT_EQ(ReadNumber("1e-999"), 0);
    EXPECT_EQ(ReadNumber("1E99999999999999999999999"), kInfinity);
    EXPECT_EQ(ReadNumber("1E-99999999999999999999999"), 0);
    EXPECT_EQ(ReadNumber("0e999999"), 0);
    EXPECT_EQ(ReadNumber("0.001e3"), 1);
}

TEST(ReadNumber, CopesWithMegabyteTexts)
{
    const std::size_t megabyte = 1 << 20;
    EXPECT_EQ(ReadNumber(std::string(megabyte, '9')), kInfinity);
    EXPECT_EQ(ReadNumber("0." + std::string(megabyte, '0') + "1"), 0);
    EXPECT_EQ(ReadNumber("1" + std::string(megabyte, '0') + "e-1048576"), 1);
    EXPECT_EQ(ReadNumber("0." + std::string(megabyte, '0') + "1e1048577"), 1);
    EXPECT_EQ(ReadNumber(std::string(megabyte, ' ') + "7"), 7);
    EXPECT_EQ(ReadNumber("&H" + std::string(megabyte, 'F')), kInfinity);
    EXPECT_EQ(ReadNumber(std::string(megabyte, '-')), 0);
    EXPECT_EQ(ReadNumber("1e" + std::string(megabyte, '9')), kInfinity);
}
