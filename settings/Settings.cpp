#include "settings/Settings.h"

#include <cmath>

Settings gSettings;

Settings DefaultSettings()
{
    Settings s;
    s.Messages = {"You are calm", "You are confident", "You can do this", "Stay focused",
                  "Drink some water"};
    s.IntervalMin = 5;
    s.IntervalMax = 20;
    s.DurationMs = 100;
    s.FontName = "Arial";
    s.FontSizeMin = 28;
    s.FontSizeMax = 48;
    s.Bold = true;
    s.Color = 0xFFFFFF;
    s.RandomColor = false;
    s.Opacity = 230;
    s.AllMonitors = true;
    s.StartWithWindows = true;
    s.StartActive = false;
    s.StartMod = 3;
    s.StartKey = 83;
    s.StopMod = 3;
    s.StopKey = 88;
    return s;
}

void SetDefaults()
{
    gSettings = DefaultSettings();
}

int32_t ClampLong(double value, int32_t lo, int32_t hi)
{
    // NaN compares false both ways; it must not reach the conversion below.
    if (std::isnan(value) || value < lo)
        value = lo;
    if (value > hi)
        value = hi;
    // The default rounding mode rounds an exact half to the even neighbour.
    return static_cast<int32_t>(std::nearbyint(value));
}

const char* BoolText(bool flag)
{
    return flag ? "1" : "0";
}
