#include "settings/SettingsFile.h"

#include "settings/ReadNumber.h"
#include "settings/SettingsFields.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr Range kMessageCountRange{0, 100000};

std::string MessageKey(std::size_t position)
{
    std::string key = "M";
    return key.append(std::to_string(position));
}

// The number a key holds, or fallback when it is missing. A number too large for a
// double means nothing sensible: the fallback again.
double ReadFinite(const IniDocument& file, const char* section, const char* key, double fallback)
{
    const std::optional<std::string> text = file.Find(section, key);
    const double value = text ? ReadNumber(*text) : fallback;
    return std::isfinite(value) ? value : fallback;
}

int32_t ReadInteger(const IniDocument& file, const SettingsField& field, const Settings& s)
{
    const double value = ReadFinite(file, field.section, field.key, field.number);
    if (!field.range) {
        // Colours and hotkeys are taken as they are, but one that a 32-bit field cannot
        // hold falls back to the default rather than wrapping round to another value.
        const double whole = std::nearbyint(value);
        return whole >= INT32_MIN && whole <= INT32_MAX ? static_cast<int32_t>(whole) : field.number;
    }
    const int32_t clamped = ClampLong(value, field.range->lo, field.range->hi);
    // The minimum comes first in the table, so it has been read by now.
    return field.notBelow ? std::max(clamped, s.*field.notBelow) : clamped;
}

void ReadField(const IniDocument& file, const SettingsField& field, Settings& s)
{
    std::visit(Overloaded{[&](NumberField m) { s.*m = ReadInteger(file, field, s); },
                          [&](FlagField m) { s.*m = ReadFinite(file, field.section, field.key, field.number) != 0; },
                          [&](TextField m) {
                              s.*m = file.Get(field.section, field.key, field.text);
                              if ((s.*m).empty())
                                  s.*m = field.text;
                          },
                          [&](TimeField m) {
                              const std::string text = file.Get(field.section, field.key, "");
                              s.*m = ParseTimeOfDay(text).value_or(TimeOfDay{field.number});
                          }},
               field.member);
}

std::vector<std::string> ReadMessages(const IniDocument& file)
{
    const int32_t count =
        ClampLong(ReadFinite(file, "Messages", "Count", 0), kMessageCountRange.lo, kMessageCountRange.hi);
    std::vector<std::string> messages;
    for (int32_t i = 1; i <= count; ++i) {
        std::string text = file.Get("Messages", MessageKey(i), "");
        if (!text.empty())
            messages.push_back(std::move(text));
    }
    return messages;
}

void WriteField(const SettingsField& field, const Settings& s, IniDocument& file)
{
    std::visit(Overloaded{[&](NumberField m) { file.Set(field.section, field.key, std::to_string(s.*m)); },
                          [&](FlagField m) { file.Set(field.section, field.key, BoolText(s.*m)); },
                          [&](TextField m) { file.Set(field.section, field.key, s.*m); },
                          [&](TimeField m) { file.Set(field.section, field.key, FormatTimeOfDay(s.*m)); }},
               field.member);
}

}  // namespace

Settings ReadSettings(const IniDocument& file)
{
    Settings s;
    for (const SettingsField& field : kSettingsFields)
        ReadField(file, field, s);
    s.Messages = ReadMessages(file);
    return s;
}

void WriteSettings(const Settings& s, IniDocument& file)
{
    for (const SettingsField& field : kSettingsFields)
        WriteField(field, s, file);
    // Removed first, so that keys of a longer earlier list never survive.
    file.DeleteSection("Messages");
    file.Set("Messages", "Count", std::to_string(s.Messages.size()));
    for (std::size_t i = 0; i < s.Messages.size(); ++i)
        file.Set("Messages", MessageKey(i + 1), s.Messages[i]);
}
