#include "settings/FileText.h"

#include "platform/Utf.h"

#include <algorithm>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

// A stray last byte is no character.
std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian)
{
    std::u16string utf16(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        utf16[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return utf16;
}

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string DecodeFileText(std::string_view bytes, const AnsiCodePage& ansi)
{
    if (bytes.starts_with(kUtf8Mark))
        return Utf8FromUtf16(Utf16FromUtf8(bytes.substr(kUtf8Mark.size())));
    if (bytes.starts_with(kUtf16LittleMark))
        return Utf8FromUtf16(Utf16FromBytes(bytes.substr(kUtf16LittleMark.size()), false));
    if (bytes.starts_with(kUtf16BigMark))
        return Utf8FromUtf16(Utf16FromBytes(bytes.substr(kUtf16BigMark.size()), true));
    if (IsAscii(bytes) || IsUtf8(bytes))
        return std::string(bytes);
    return ansi.toUtf8(bytes);
}

std::string EncodeFileText(std::string_view text, const AnsiCodePage& ansi)
{
    if (IsAscii(text))
        return std::string(text);
    // ANSI bytes that happen to be valid UTF-8 would read back as other characters.
    if (std::optional<std::string> bytes = ansi.fromUtf8(text); bytes && DecodeFileText(*bytes, ansi) == text)
        return std::move(*bytes);
    const std::u16string utf16 = Utf16FromUtf8(text);
    std::string bytes(kUtf16LittleMark);
    bytes.reserve(bytes.size() + 2 * utf16.size());
    for (char16_t unit : utf16) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
