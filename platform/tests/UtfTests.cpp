#include "platform/Utf.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(Utf, ConvertsBothWaysAndEveryMalformedSequenceBecomesOneReplacement)
{
    const std::pair<std::string, std::u16string> valid[] = {
        {"", u""}, {"a\xC3\xA9\xE2\x82\xAC", u"a\u00E9\u20AC"}, {"\xF0\x9F\x98\x80", u"\U0001F600"}};
    for (const auto& [utf8, utf16] : valid) {
        EXPECT_EQ(Utf16FromUtf8(utf8), utf16);
        EXPECT_EQ(Utf8FromUtf16(utf16), utf8);
        EXPECT_TRUE(IsUtf8(utf8));
    }
    // A stray or cut sequence, an overlong form, a surrogate, a code point beyond U+10FFFF.
    const std::pair<std::string, std::u16string> malformed[] = {
        {"\x80x\xC3x\xE2\x82", u"\uFFFDx\uFFFDx\uFFFD"}, {"\xC0\xAF", u"\uFFFD\uFFFD"}, {"\xE0\x80\xAF", u"\uFFFD"},
        {"\xED\xA0\x80", u"\uFFFD"}, {"\xF4\x90\x80\x80", u"\uFFFD"}, {"\xF5\x80", u"\uFFFD\uFFFD"}};
    for (const auto& [utf8, utf16] : malformed) {
        EXPECT_EQ(Utf16FromUtf8(utf8), utf16) << utf8;
        EXPECT_FALSE(IsUtf8(utf8)) << utf8;
    }
    EXPECT_EQ(Utf8FromUtf16(u"a\xD800" u"b\xDC00"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(CutToUtf16Units, CutsOnlyBetweenWholeCharacters)
{
    const std::string text = "ab\xC3\xA9\xF0\x9F\x98\x80z";  // a b é U+1F600 (two units) z
    const std::pair<std::size_t, std::string> cuts[] = {
        {0, ""}, {3, "ab\xC3\xA9"}, {4, "ab\xC3\xA9"}, {5, "ab\xC3\xA9\xF0\x9F\x98\x80"}, {9, text}};
    for (const auto& [units, kept] : cuts)
        EXPECT_EQ(CutToUtf16Units(text, units), kept) << units;
    EXPECT_EQ(CutToUtf16Units("\xE9\xE9\xE9", 2), "\xE9\xE9") << "a malformed byte counts as one unit";
}
