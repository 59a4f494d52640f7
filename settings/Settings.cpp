#include "settings/Settings.h"

#include "settings/SettingsFields.h"

#include <cmath>

Settings gSettings;

Settings DefaultSettings()
{
    Settings s;
    for (const SettingsField& field : kSettingsFields) {
        std::visit(Overloaded{[&](NumberField m) { s.*m = field.number; }, [&](FlagField m) { s.*m = field.number != 0; },
                              [&](TextField m) { s.*m = field.text; },
                              [&](TimeField m) { s.*m = TimeOfDay{field.number}; }},
                   field.member);
    }
    s.Messages = {"You are calm", "You are confident", "You can do this", "Stay focused", "Drink some water"};
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
