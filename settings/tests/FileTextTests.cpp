#include "settings/FileText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace std::string_literals;

TEST(DecodeFileText, ConvertsAfterAByteOrderMarkAndTakesOtherBytesAsTheyAre)
{
    // Stands in for the ANSI code page: the first 256 code points map to themselves, others show as <hex>.
    const auto ansi = [](std::u16string_view wide) {
        std::string text;
        for (char16_t c : wide) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%x>", static_cast<unsigned>(c));
            text += c < 0x100 ? std::string(1, static_cast<char>(c)) : hex;
        }
        return text;
    };
    const std::string bom = "\xEF\xBB\xBF";
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"[A]\r\nx=\xE9\r\n", "[A]\r\nx=\xE9\r\n"}, {"\xEF\xBB[A]", "\xEF\xBB[A]"}, {"\xFF", "\xFF"},
        {bom, ""}, {bom + "[A]\r\nx=\xC3\xA9\r\n", "[A]\r\nx=\xE9\r\n"},
        {bom + "\xE2\x82\xAC\xF0\x9F\x98\x80", "<20ac><d83d><de00>"},
        // Every malformed UTF-8 sequence becomes one U+FFFD: a stray or cut sequence, an
        // overlong form, a surrogate, a code point beyond U+10FFFF.
        {bom + "\x80x\xC3x\xE2\x82", "<fffd>x<fffd>x<fffd>"}, {bom + "\xC0\xAF", "<fffd><fffd>"},
        {bom + "\xE0\x80\xAF", "<fffd>"}, {bom + "\xED\xA0\x80", "<fffd>"}, {bom + "\xF4\x90\x80\x80", "<fffd>"},
        {bom + "\xF5\x80", "<fffd><fffd>"},
        {"\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0\xE9\0\xAC\x20"s, "[A]\r\nx=\xE9<20ac>"},
        {"\xFE\xFF\0[\0A\0]\0\r\0\n\0x\0=\0\xE9"s, "[A]\r\nx=\xE9"}, {"\xFF\xFE"s, ""},
        // A stray last byte is no character.
        {"\xFF\xFEk\0="s, "k"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(DecodeFileText(bytes, ansi), text) << bytes;
}
