#include "settings/FileText.h"
#include "settings/IniDocument.h"
#include "settings/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string Latin1(std::u16string_view wide)
{
    std::string text;
    for (char16_t c : wide)
        text += c < 0x100 ? static_cast<char>(c) : '?';
    return text;
}

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
    Require(!s.FontName.empty() && s.FontName.size() <= IniDocument::kMaxValueLength);
    Require(s.Messages.size() <= 100000);
    for (const std::string& message : s.Messages)
        Require(!message.empty() && message.size() <= IniDocument::kMaxValueLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument file = IniDocument::Parse(DecodeFileText(bytes, Latin1));
    const Settings loaded = ReadSettings(file);
    CheckLoaded(loaded);

    // What a save writes over the file loads back as exactly the same record, and a
    // second reading of the saved text writes the very same bytes.
    WriteSettings(loaded, file);
    const std::string saved = file.Serialise();
    const IniDocument reread = IniDocument::Parse(saved);
    Require(ReadSettings(reread) == loaded);
    Require(reread.Serialise() == saved);
    return 0;
}
