#include "settings/FileText.h"

#include <cstdint>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::u16string WideFromUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string wide(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        wide[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return wide;
}

// The length of the sequence that lead starts, and its payload bits; 0 for a byte that
// cannot start one.
int SequenceLength(unsigned char lead, uint32_t& bits)
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

bool IsValidScalar(uint32_t code, int length)
{
    static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= kSmallest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

void AppendUtf16(std::u16string& out, uint32_t code)
{
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
        return;
    }
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

}  // namespace

std::u16string WideFromUtf8(std::string_view utf8)
{
    std::u16string wide;
    wide.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        uint32_t code = 0;
        const int length = SequenceLength(static_cast<unsigned char>(utf8[i]), code);
        int taken = 1;
        while (length > 0 && taken < length && i + taken < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + taken]) & 0xC0) == 0x80) {
            code = code << 6 | (static_cast<unsigned char>(utf8[i + taken]) & 0x3F);
            ++taken;
        }
        if (length > 0 && taken == length && IsValidScalar(code, length))
            AppendUtf16(wide, code);
        else
            wide += kReplacement;
        i += taken;
    }
    return wide;
}

std::string DecodeFileText(std::string_view bytes, const WideToAnsi& toAnsi)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return toAnsi(WideFromUtf8(bytes.substr(3)));
    if (StartsWith(bytes, "\xFF\xFE"))
        return toAnsi(WideFromUtf16(bytes.substr(2), false));
    if (StartsWith(bytes, "\xFE\xFF"))
        return toAnsi(WideFromUtf16(bytes.substr(2), true));
    return std::string(bytes);
}
