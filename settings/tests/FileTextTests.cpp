#include "settings/FileText.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

// Stands in for the ANSI code page: the first 256 code points map to themselves.
std::string Latin1(std::u16string_view wide)
{
    std::string text;
    for (char16_t c : wide)
        text += c < 0x100 ? static_cast<char>(c) : '?';
    return text;
}

std::string Decode(std::string_view bytes)
{
    return DecodeFileText(bytes, Latin1);
}

}  // namespace

TEST(DecodeFileText, TakesBytesWithoutAByteOrderMarkAsTheyAre)
{
    EXPECT_EQ(Decode(""), "");
    EXPECT_EQ(Decode("[A]\r\nx=\xE9\r\n"), "[A]\r\nx=\xE9\r\n");
    EXPECT_EQ(Decode("\xEF\xBB[A]"), "\xEF\xBB[A]");
    EXPECT_EQ(Decode("\xFF"), "\xFF");
}

TEST(DecodeFileText, ConvertsUtf8AfterItsByteOrderMark)
{
    EXPECT_EQ(Decode("\xEF\xBB\xBF[A]\r\nx=\xC3\xA9\r\n"), "[A]\r\nx=\xE9\r\n");
    EXPECT_EQ(Decode("\xEF\xBB\xBF"), "");
    EXPECT_EQ(Decode("\xEF\xBB\xBFz=\xE2\x82\xAC"), "z=?");
}

TEST(DecodeFileText, ConvertsUtf16OfEitherByteOrder)
{
    EXPECT_EQ(Decode("\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0\xE9\0"s), "[A]\r\nx=\xE9");
    EXPECT_EQ(Decode("\xFE\xFF\0[\0A\0]\0\r\0\n\0x\0=\0\xE9"s), "[A]\r\nx=\xE9");
    EXPECT_EQ(Decode("\xFF\xFE\xAC\x20"s), "?");
    // A stray last byte is no character.
    EXPECT_EQ(Decode("\xFF\xFEk\0="s), "k");
    EXPECT_EQ(Decode("\xFF\xFE"s), "");
}

TEST(WideFromUtf8, DecodesEveryLengthAndPairsAboveTheBasicPlane)
{
    EXPECT_EQ(WideFromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"a\u00E9\u20AC\U0001F600");
}

TEST(WideFromUtf8, ReplacesEveryMalformedSequence)
{
    EXPECT_EQ(WideFromUtf8("\x80x"), u"\uFFFDx");
    EXPECT_EQ(WideFromUtf8("\xC3x"), u"\uFFFDx");
    EXPECT_EQ(WideFromUtf8("\xC3"), u"\uFFFD");
    EXPECT_EQ(WideFromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");          // overlong lead
    EXPECT_EQ(WideFromUtf8("\xE0\x80\xAF"), u"\uFFFD");             // overlong
    EXPECT_EQ(WideFromUtf8("\xED\xA0\x80"), u"\uFFFD");             // a surrogate
    EXPECT_EQ(WideFromUtf8("\xF4\x90\x80\x80"), u"\uFFFD");         // beyond U+10FFFF
    EXPECT_EQ(WideFromUtf8("\xF5\x80"), u"\uFFFD\uFFFD");
    EXPECT_EQ(WideFromUtf8("\xE2\x82"), u"\uFFFD");
}
