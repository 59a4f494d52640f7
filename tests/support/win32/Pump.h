#pragma once
#include <windows.h>

#include <functional>

#include "dialog/win32/frmSettings.h"

// Handles whatever is queued for this thread, the way the program's own loop routes it
// (the settings dialog's keyboard navigation included).
inline void PumpMessages() {
    for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
        if (IsSettingsDialogMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Pumps until done() holds or timeoutMs have passed; returns done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
    for (const DWORD start = GetTickCount(); !done(); PumpMessages()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Takes away the quit message that a main form leaves behind as it goes, which would end the
// next message box of the test run at once.
inline void DiscardQuit() {
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
