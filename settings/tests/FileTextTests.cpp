#include "settings/FileText.h"

#include "platform/Utf.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

// Stands in for the ANSI code page: Latin-1, whose bytes are the first 256 code points.
const AnsiCodePage kLatin1{[](std::string_view ansi) {
                               std::u16string utf16;
                               for (char c : ansi)
                                   utf16 += static_cast<char16_t>(static_cast<unsigned char>(c));
                               return Utf8FromUtf16(utf16);
                           },
                           [](std::string_view utf8) -> std::optional<std::string> {
                               std::string ansi;
                               for (char16_t c : Utf16FromUtf8(utf8)) {
                                   if (c > 0xFF)
                                       return std::nullopt;
                                   ansi += static_cast<char>(c);
                               }
                               return ansi;
                           }};

const std::string kCafe = "Caf\xC3\xA9";                    // Café
const std::string kCyrillic = "\xD0\x9C\xD0\xB8\xD1\x80";  // Мир
const std::string kEmoji = "\xF0\x9F\x98\x80";             // U+1F600

}  // namespace

TEST(DecodeFileText, FollowsTheByteOrderMarkElseTakesValidUtf8AsUtf8AndTheRestAsAnsi)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n"},
        // Notepad's default, UTF-8 without a mark, and an ANSI file that is no UTF-8.
        {"x=" + kCafe, "x=" + kCafe}, {"x=Caf\xE9", "x=" + kCafe}, {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},
        {"\xEF\xBB\xBFx=" + kCyrillic, "x=" + kCyrillic}, {"\xEF\xBB\xBF", ""},
        {"\xEF\xBB\xBF\xC3x", "\xEF\xBF\xBDx"},  // malformed after a mark: U+FFFD
        {"\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0\xE9\0\xAC\x20\x3D\xD8\x00\xDE"s, "[A]\r\nx=\xC3\xA9\xE2\x82\xAC" + kEmoji},
        {"\xFE\xFF\0x\0=\x04\x1C"s, "x=\xD0\x9C"}, {"\xFF\xFE\x00\xD8x\0"s, "\xEF\xBF\xBDx"},
        {"\xFF\xFEk\0="s, "k"}};  // a stray last byte is no character
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(DecodeFileText(bytes, kLatin1), text) << bytes;
}

TEST(EncodeFileText, WritesAnsiWheneverEveryCharacterHasAFormThereElseUtf16WithAMark)
{
    EXPECT_EQ(EncodeFileText("[A]\r\nx=1\r\n", kLatin1), "[A]\r\nx=1\r\n");
    EXPECT_EQ(EncodeFileText("x=" + kCafe, kLatin1), "x=Caf\xE9");
    EXPECT_EQ(EncodeFileText("x=" + kCyrillic, kLatin1), "\xFF\xFEx\0=\0\x1C\x04\x38\x04\x40\x04"s);
    // "Ã©" in ANSI is the UTF-8 of "é", which is how it would read back.
    EXPECT_EQ(EncodeFileText("\xC3\x83\xC2\xA9", kLatin1), "\xFF\xFE\xC3\0\xA9\0"s);
    for (const std::string& text : {kCafe, kCyrillic + kCafe, "a=" + kEmoji + "\r\n", "\xE4\xB8\xAD\xE6\x96\x87"s})
        EXPECT_EQ(DecodeFileText(EncodeFileText(text, kLatin1), kLatin1), text) << text;
}
