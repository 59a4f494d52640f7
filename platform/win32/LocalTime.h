#pragma once
#include <chrono>
#include <string>

#include "platform/LocalZone.h"

// The user's time zone as the system keeps it, its daylight-saving rules for each year included.
class SystemZone final : public LocalZone {
public:
    std::chrono::local_seconds ToLocal(std::chrono::sys_seconds instant) const override;
    std::chrono::sys_seconds ToUtc(std::chrono::local_seconds wallClock) const override;
};

std::chrono::sys_seconds SystemWallNow();

// A moment as the user reads a time: the short time format without seconds, and the day's
// short name before it when the moment is not today.
std::string UserTime(std::chrono::sys_seconds moment, std::chrono::sys_seconds now, const LocalZone& zone);
