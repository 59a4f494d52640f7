#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "settings/Settings.h"

// Every field of the record as the settings file holds it: where it is stored, its default,
// the range it is brought into on reading and the dialog checks it against. Defaults,
// reading, writing and the dialog's checks are all derived from this one table.

struct Range {
    int32_t lo;
    int32_t hi;
};

inline constexpr Range kIntervalRange{1, 86400};  // seconds
inline constexpr Range kFontSizeRange{6, 400};    // points
inline constexpr int32_t kEveryDay = 127;         // Days with all seven day bits set

using NumberField = int32_t Settings::*;
using FlagField = bool Settings::*;
using TextField = std::string Settings::*;
using TimeField = TimeOfDay Settings::*;

struct SettingsField {
    // A number read with a range is clamped into it; one without (a colour, a hotkey) is
    // only rounded. A maximum that reads below its minimum is raised to it.
    constexpr SettingsField(const char* section, const char* key, NumberField member, int32_t fallback,
                            std::optional<Range> range = std::nullopt, const char* checkLabel = nullptr,
                            NumberField notBelow = nullptr)
        : section(section), key(key), member(member), number(fallback), range(range), checkLabel(checkLabel),
          notBelow(notBelow)
    {
    }
    constexpr SettingsField(const char* section, const char* key, FlagField member, bool fallback)
        : section(section), key(key), member(member), number(fallback)
    {
    }
    // An empty text reads as the default.
    constexpr SettingsField(const char* section, const char* key, TextField member, const char* fallback)
        : section(section), key(key), member(member), text(fallback)
    {
    }
    // A text that is not a time reads as the default.
    constexpr SettingsField(const char* section, const char* key, TimeField member, TimeOfDay fallback)
        : section(section), key(key), member(member), number(fallback.Minutes)
    {
    }

    const char* section;
    const char* key;
    std::variant<NumberField, FlagField, TextField, TimeField> member;
    int32_t number = 0;  // the default of a number or a flag, or of a time in minutes
    const char* text = "";  // the default of a text
    std::optional<Range> range;
    const char* checkLabel = nullptr;  // how the dialog's range message names the field
    NumberField notBelow = nullptr;
};

// clang-format off
inline constexpr SettingsField kSettingsFields[] = {
    {"Timing",   "IntervalMin",      &Settings::IntervalMin,      5,   kIntervalRange,   "Minimum interval"},
    {"Timing",   "IntervalMax",      &Settings::IntervalMax,      20,  kIntervalRange,   "Maximum interval",
     &Settings::IntervalMin},
    {"Timing",   "DurationMs",       &Settings::DurationMs,       100, Range{10, 10000}, "Display time"},
    {"Look",     "FontName",         &Settings::FontName,         "Arial"},
    {"Look",     "FontSizeMin",      &Settings::FontSizeMin,      28,  kFontSizeRange,   "Minimum font size"},
    {"Look",     "FontSizeMax",      &Settings::FontSizeMax,      48,  kFontSizeRange,   "Maximum font size",
     &Settings::FontSizeMin},
    {"Look",     "Bold",             &Settings::Bold,             true},
    {"Look",     "Color",            &Settings::Color,            0xFFFFFF},
    {"Look",     "RandomColor",      &Settings::RandomColor,      false},
    {"Look",     "Opacity",          &Settings::Opacity,          230, Range{10, 255}},
    {"Look",     "AllMonitors",      &Settings::AllMonitors,      true},
    {"General",  "StartWithWindows", &Settings::StartWithWindows, true},
    {"General",  "StartActive",      &Settings::StartActive,      false},
    {"General",  "PauseWhenBusy",    &Settings::PauseWhenBusy,    true},
    {"General",  "HideFromCapture",  &Settings::HideFromCapture,  true},
    {"Hotkeys",  "StartMod",         &Settings::StartMod,         3},
    {"Hotkeys",  "StartKey",         &Settings::StartKey,         83},
    {"Hotkeys",  "StopMod",          &Settings::StopMod,          3},
    {"Hotkeys",  "StopKey",          &Settings::StopKey,          88},
    {"Schedule", "UseSchedule",      &Settings::UseSchedule,      false},
    {"Schedule", "From",             &Settings::From,             TimeOfDay{9 * 60}},
    {"Schedule", "To",               &Settings::To,               TimeOfDay{17 * 60}},
    {"Schedule", "Days",             &Settings::Days,             kEveryDay, Range{0, kEveryDay}},
};
// clang-format on

consteval const SettingsField& FieldOf(NumberField member)
{
    for (const SettingsField& field : kSettingsFields) {
        if (std::holds_alternative<NumberField>(field.member) && std::get<NumberField>(field.member) == member)
            return field;
    }
    throw "not a field of the table";
}

// The range of a number that has one.
consteval Range RangeOf(NumberField member)
{
    return FieldOf(member).range.value();
}

// Lets std::visit take one lambda per kind of field.
template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;
