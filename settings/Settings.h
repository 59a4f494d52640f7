#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "settings/TimeOfDay.h"

// The text colour that the flash window keys out; text is never drawn in it.
inline constexpr int32_t TransparentKey = 0xFF00FF;

// Every user setting and the message list, each field named by its key in settings.ini.
struct Settings {
    int32_t IntervalMin = 0;  // seconds
    int32_t IntervalMax = 0;  // seconds
    int32_t DurationMs = 0;
    std::string FontName;
    int32_t FontSizeMin = 0;  // points
    int32_t FontSizeMax = 0;  // points
    bool Bold = false;
    int32_t Color = 0;        // COLORREF layout: red in the low byte
    bool RandomColor = false;
    int32_t Opacity = 0;      // 0 transparent .. 255 opaque
    bool AllMonitors = false;
    bool StartWithWindows = false;
    bool StartActive = false;
    bool PauseWhenBusy = false;    // skip flashes while the system says not to disturb
    bool HideFromCapture = false;  // keep the flash window out of screenshots and sharing
    int32_t StartMod = 0;     // hotkey modifier mask: Alt 1, Ctrl 2, Shift 4, Win 8
    int32_t StartKey = 0;     // virtual-key code, 0 for none
    int32_t StopMod = 0;
    int32_t StopKey = 0;
    std::vector<std::string> Messages;
    bool UseSchedule = false;  // flash only within the hours From to To on Days
    TimeOfDay From{};          // later than To for hours across midnight, equal to it for the whole day
    TimeOfDay To{};            // not included
    int32_t Days = 0;          // Monday 1, Tuesday 2, Wednesday 4 ... Sunday 64, added up

    bool operator==(const Settings&) const = default;
};

// The bit of a weekday in Days, the days counted from Monday (0) to Sunday (6).
constexpr int32_t DayBit(int32_t daysAfterMonday)
{
    return 1 << daysAfterMonday;
}

// The one record of the process, read and assigned directly by every subsystem.
extern Settings gSettings;

Settings DefaultSettings();
void SetDefaults();  // gSettings = DefaultSettings()

// Clamps value into [lo, hi], then rounds to the nearest whole number, ties to even.
int32_t ClampLong(double value, int32_t lo, int32_t hi);

const char* BoolText(bool flag);
