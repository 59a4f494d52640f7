#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "flash/FrameGrid.h"

// What the settings dialog needs of the main form that opened it.
class SettingsHost {
public:
    // The window the hotkeys are registered on.
    virtual HWND HotkeyWindow() const = 0;
    virtual void UpdateUI() = 0;
    virtual void SettingsChanged() = 0;
    // The display's frames, which the display time is counted in.
    virtual FrameGrid ReadFrameGrid() = 0;
    virtual void FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                             int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs) = 0;

protected:
    ~SettingsHost() = default;
};
