#pragma once
#include <windows.h>

// The DPI that the scripted monitor query gives every monitor, as the test sets it: Wine
// gives all monitors the one DPI of its prefix.
inline UINT scriptedDpi = 96;

inline HRESULT WINAPI ScriptedMonitorDpi(HMONITOR, int, UINT* dpiX, UINT* dpiY) {
    *dpiX = *dpiY = scriptedDpi;
    return S_OK;
}
