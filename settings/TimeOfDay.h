#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A time of day to the minute, on a 24-hour clock.
struct TimeOfDay {
    int32_t Minutes = 0;  // after midnight, 0 to 1439

    bool operator==(const TimeOfDay&) const = default;
};

// Reads "H:M" as leniently as the file's numbers are read: the blanks they may hold anywhere
// are ignored, and each part may have one digit or two ("9:5" is 09:05). Anything else, or
// an hour above 23 or a minute above 59, gives nothing.
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text);

// "HH:MM", two digits each.
std::string FormatTimeOfDay(TimeOfDay time);
