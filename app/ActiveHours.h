#pragma once
#include <chrono>
#include <cstdint>
#include <optional>

#include "platform/LocalZone.h"
#include "settings/Settings.h"

// The wall-clock hours in which flashes may fall due: on each chosen day from From up to
// To, To not included. From later than To runs across midnight and belongs to the day on
// which it begins, whether or not the next is chosen; From equal to To is the whole day.
struct ActiveHours {
    TimeOfDay From;
    TimeOfDay To;
    int32_t Days = 0;  // the day bits of the settings' Days
};

// The hours of the settings; nothing when they use no schedule.
std::optional<ActiveHours> ActiveHoursOf(const Settings& settings);

bool IsWithinHours(const ActiveHours& hours, std::chrono::local_seconds now);

// The next moment at or after now that lies within the hours: now itself when inside;
// nothing when no day is chosen.
std::optional<std::chrono::sys_seconds> NextWithinHours(const ActiveHours& hours, std::chrono::sys_seconds now,
                                                        const LocalZone& zone);

// When a pause "until tomorrow" ends: the start of the hours on the first chosen day after
// today's date, or 06:00 tomorrow without a schedule or a chosen day.
std::chrono::sys_seconds UntilTomorrow(const std::optional<ActiveHours>& hours, std::chrono::sys_seconds now,
                                       const LocalZone& zone);
