#pragma once
#include <chrono>

// The user's time zone, as the system converts between its wall clock and UTC.
class LocalZone {
public:
    virtual std::chrono::local_seconds ToLocal(std::chrono::sys_seconds instant) const = 0;
    // A wall-clock time that the clock skips or passes twice gives whatever the system gives.
    virtual std::chrono::sys_seconds ToUtc(std::chrono::local_seconds wallClock) const = 0;

protected:
    ~LocalZone() = default;
};
