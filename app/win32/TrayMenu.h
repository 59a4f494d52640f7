#pragma once
#include <windows.h>

#include "app/TrayModel.h"
#include "platform/win32/Handles.h"

// Command ids of the tray menu's items; mnuPause is the item while it reads Resume, and the
// pauses of its menu follow it in their order.
enum TrayItem : UINT { mnuStart = 1, mnuStop, mnuShowNow, mnuSettings, mnuExit, mnuPause, mnuPauseChoice };

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
    // Pause with the menu of pauses, or Resume: the menu the item had goes with it.
    void SetPauseItem(bool paused);

    UniqueMenu holder_;  // keeps the popup and its caption "Tray"; destroys both
    HMENU popup_ = nullptr;
};
