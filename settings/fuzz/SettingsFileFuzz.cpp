#include "platform/Utf.h"
#include "settings/FileText.h"
#include "settings/IniDocument.h"
#include "settings/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

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

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool InRange(int32_t value, int32_t lo, int32_t hi)
{
    return value >= lo && value <= hi;
}

void CheckLoaded(const Settings& s)
{
    Require(InRange(s.IntervalMin, 1, 86400) && InRange(s.IntervalMax, s.IntervalMin, 86400));
    Require(InRange(s.DurationMs, 10, 10000) && InRange(s.Opacity, 10, 255));
    Require(InRange(s.FontSizeMin, 6, 400) && InRange(s.FontSizeMax, s.FontSizeMin, 400));
    Require(InRange(s.From.Minutes, 0, 1439) && InRange(s.To.Minutes, 0, 1439) && InRange(s.Days, 0, 127));
    Require(!s.FontName.empty() && Utf16FromUtf8(s.FontName).size() <= IniDocument::kMaxValueLength);
    Require(s.Messages.size() <= 100000);
    for (const std::string& message : s.Messages)
        Require(!message.empty() && Utf16FromUtf8(message).size() <= IniDocument::kMaxValueLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument file = IniDocument::Parse(DecodeFileText(bytes, kLatin1));
    const Settings loaded = ReadSettings(file);
    CheckLoaded(loaded);

    // What a save writes over the file, in whichever form it takes, loads back as exactly
    // the same record, and a second reading of the saved file writes the very same bytes.
    WriteSettings(loaded, file);
    const std::string saved = EncodeFileText(file.Serialise(), kLatin1);
    const IniDocument reread = IniDocument::Parse(DecodeFileText(saved, kLatin1));
    Require(ReadSettings(reread) == loaded);
    Require(EncodeFileText(reread.Serialise(), kLatin1) == saved);
    return 0;
}
