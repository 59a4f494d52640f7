#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "dialog/SaveChecks.h"
#include "settings/Settings.h"

// What the settings dialog holds besides its number boxes, read from the controls and
// working values when Save is pressed.
struct DialogValues {
    std::string fontName;  // the selected entry of the font list
    bool bold = false;
    int32_t color = 0;     // mColor
    bool randomColor = false;
    int32_t opacity = 0;   // position of the opacity bar
    bool allMonitors = false;
    bool startWithWindows = false;
    bool startActive = false;
    int32_t startMod = 0;
    int32_t startKey = 0;
    int32_t stopMod = 0;
    int32_t stopKey = 0;
    std::vector<std::string> messages;  // the list's entries, in list order
};

// Assigns every field of record from the checked numbers and the dialog's values.
void AssignSettings(Settings& record, const CheckedNumbers& numbers, const DialogValues& values);
