#include "dialog/ValidateNumber.h"

#include <gtest/gtest.h>

#include <string>

TEST(ValidateNumber, ChecksTheNumberAsWrittenThenRoundsHalfToEven)
{
    EXPECT_EQ(ValidateNumber("1.4", 1, 86400), 1);
    EXPECT_EQ(ValidateNumber("2.5", 1, 86400), 2);
    EXPECT_EQ(ValidateNumber("3.5", 1, 86400), 4);
    EXPECT_EQ(ValidateNumber("2.50000000000000000001", 1, 9), 3);
    EXPECT_EQ(ValidateNumber("-2.5", -9, 9), -2);
    EXPECT_EQ(ValidateNumber(" +007. ", 1, 9), 7);
    EXPECT_EQ(ValidateNumber(".9", 0, 1), 1);
    EXPECT_FALSE(ValidateNumber("0.6", 1, 86400));
    EXPECT_FALSE(ValidateNumber("0.99999999999999999999", 1, 9));
    EXPECT_FALSE(ValidateNumber("400.1", 6, 400));
    EXPECT_FALSE(ValidateNumber("-0", 1, 9));
}

TEST(ValidateNumber, RefusesAnythingButAPlainDecimalAndSurvivesHugeTexts)
{
    for (const char* text : {"", "   ", "+", "-", ".", "1.2.3", "1e3", "1,5", "12abc", "- 5", "\t5", "+-5"})
        EXPECT_FALSE(ValidateNumber(text, -100, 100000)) << '"' << text << '"';
    const int32_t min = -2147483647 - 1;
    EXPECT_FALSE(ValidateNumber("4294967297", 1, 86400));
    EXPECT_FALSE(ValidateNumber("-" + std::string(100000, '9'), -9, 9));
    EXPECT_EQ(ValidateNumber(std::string(100000, '0') + "12." + std::string(100000, '0') + "1", 1, 99), 12);
    EXPECT_EQ(ValidateNumber("-2147483647.6", min, 0), min);
    EXPECT_FALSE(ValidateNumber("-2147483648.4", min, 0));
}
