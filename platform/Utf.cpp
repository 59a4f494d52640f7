#include "platform/Utf.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One character read from the front of utf8: its code point and its length in bytes. A
// malformed sequence reads as U+FFFD and takes its lead byte and whatever continuation
// bytes belonged to it.
struct Decoded {
    char32_t code;
    std::size_t bytes;
    bool valid;
};

int SequenceLength(unsigned char lead, char32_t& bits)
{
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        bits = lead & 0x1F;
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        bits = lead & 0x0F;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

bool IsValidScalar(char32_t code, int length)
{
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= kSmallest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

Decoded DecodeFront(std::string_view utf8)
{
    char32_t code = 0;
    const int length = SequenceLength(static_cast<unsigned char>(utf8[0]), code);
    std::size_t taken = 1;
    while (length > 0 && taken < static_cast<std::size_t>(length) && taken < utf8.size() &&
           (static_cast<unsigned char>(utf8[taken]) & 0xC0) == 0x80) {
        code = code << 6 | (static_cast<unsigned char>(utf8[taken]) & 0x3F);
        ++taken;
    }
    if (length > 0 && taken == static_cast<std::size_t>(length) && IsValidScalar(code, length))
        return {code, taken, true};
    return {kReplacement, taken, false};
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::u16string Utf16FromUtf8(std::string_view utf8)
{
    std::u16string utf16;
    utf16.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded c = DecodeFront(utf8);
        if (c.code < 0x10000) {
            utf16 += static_cast<char16_t>(c.code);
        } else {
            utf16 += static_cast<char16_t>(0xD800 + ((c.code - 0x10000) >> 10));
            utf16 += static_cast<char16_t>(0xDC00 + ((c.code - 0x10000) & 0x3FF));
        }
        utf8.remove_prefix(c.bytes);
    }
    return utf16;
}

std::string Utf8FromUtf16(std::u16string_view utf16)
{
    std::string utf8;
    utf8.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t code = utf16[i];
        if (IsHighSurrogate(utf16[i]) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1]))
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        else if (IsHighSurrogate(utf16[i]) || IsLowSurrogate(utf16[i]))
            code = kReplacement;
        AppendUtf8(utf8, code);
    }
    return utf8;
}

bool IsUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        const Decoded c = DecodeFront(bytes);
        if (!c.valid)
            return false;
        bytes.remove_prefix(c.bytes);
    }
    return true;
}

std::string_view CutToUtf16Units(std::string_view utf8, std::size_t units)
{
    std::size_t bytes = 0;
    while (bytes < utf8.size()) {
        const Decoded c = DecodeFront(utf8.substr(bytes));
        const std::size_t needed = c.code < 0x10000 ? 1 : 2;
        if (needed > units)
            break;
        units -= needed;
        bytes += c.bytes;
    }
    return utf8.substr(0, bytes);
}
