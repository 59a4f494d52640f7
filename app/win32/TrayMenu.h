#pragma once
#include <windows.h>

#include "app/TrayModel.h"
#include "platform/win32/Handles.h"

// Command ids of the tray menu's items.
enum TrayItem : UINT { mnuStart = 1, mnuStop, mnuShowNow, mnuSettings, mnuExit };

// mnuTray: the popup menu of the tray icon, never a menu bar.
class TrayMenu {
public:
    TrayMenu();

    void Apply(const TrayMenuState& state);
    // Pops the menu up at the cursor and returns when it has closed: the chosen item,
    // or 0 when it was dismissed.
    UINT Track(HWND owner);
    HMENU Popup() const { return popup_; }

private:
    UniqueMenu holder_;  // keeps the popup and its caption "Tray"; destroys both
    HMENU popup_ = nullptr;
};
