#include "dialog/ValidateNumber.h"

#include <gtest/gtest.h>

#include <string>

TEST(ValidateNumber, RoundsAnAcceptedNumberHalfToEven)
{
    EXPECT_EQ(ValidateNumber("1.4", 1, 86400), 1);
    EXPECT_EQ(ValidateNumber("2.5", 1, 86400), 2);
    EXPECT_EQ(ValidateNumber("3.5", 1, 86400), 4);
    EXPECT_EQ(ValidateNumber("2.50000000000000000001", 1, 86400), 3);
    EXPECT_EQ(ValidateNumber("-2.5", -10, 10), -2);
    EXPECT_EQ(ValidateNumber("-3.5", -10, 10), -4);
    EXPECT_EQ(ValidateNumber(" 7 ", 1, 86400), 7);
    EXPECT_EQ(ValidateNumber("+007.", 1, 86400), 7);
    EXPECT_EQ(ValidateNumber(".9", 0, 1), 1);
}

TEST(ValidateNumber, ComparesTheNumberAsWrittenWithTheBounds)
{
    EXPECT_FALSE(ValidateNumber("0.6", 1, 86400));
    EXPECT_FALSE(ValidateNumber("0.99999999999999999999", 1, 86400));
    EXPECT_FALSE(ValidateNumber("400.1", 6, 400));
    EXPECT_FALSE(ValidateNumber("401", 6, 400));
    EXPECT_EQ(ValidateNumber("400.000", 6, 400), 400);
    EXPECT_EQ(ValidateNumber("6", 6, 400), 6);
    EXPECT_FALSE(ValidateNumber("-0", 1, 10));
    EXPECT_FALSE(ValidateNumber("-5.1", -5, 5));
    EXPECT_EQ(ValidateNumber("-5", -5, 5), -5);
    EXPECT_FALSE(ValidateNumber("-1", 0, 10));
}

TEST(ValidateNumber, RefusesTextsThatAreNotPlainDecimals)
{
    for (const char* text : {"", "   ", "+", "-", ".", "+.", "1.2.3", "1e3", "1,5", "12abc", "- 5",
                             "0x10", "&H10", "\t5", "5\n", "+-5"})
        EXPECT_FALSE(ValidateNumber(text, -100, 100000)) << '"' << text << '"';
}

TEST(ValidateNumber, SurvivesEnormousTexts)
{
    EXPECT_FALSE(ValidateNumber("4294967297", 1, 86400));
    EXPECT_FALSE(ValidateNumber(std::string(100000, '9'), 1, 86400));
    EXPECT_FALSE(ValidateNumber("-" + std::string(100000, '9'), -10, 10));
    EXPECT_EQ(ValidateNumber(std::string(100000, '0') + "12", 1, 86400), 12);
    EXPECT_EQ(ValidateNumber("12." + std::string(100000, '0') + "1", 1, 86400), 12);
    EXPECT_EQ(ValidateNumber("2147483647", -2147483647 - 1, 2147483647), 2147483647);
    EXPECT_EQ(ValidateNumber("-2147483647.6", -2147483647 - 1, 0), -2147483647 - 1);
    EXPECT_FALSE(ValidateNumber("-2147483648.4", -2147483647 - 1, 0));
}

TEST(NumberRangeMessage, NamesTheBoxAndItsBounds)
{
    EXPECT_EQ(NumberRangeMessage("Minimum interval", 1, 86400),
              "Minimum interval must be a number between 1 and 86400.");
}
