#pragma once
#include <windows.h>
#include <dwmapi.h>

#include "flash/FrameGrid.h"

// How the desktop's composition timing is asked of the system: its own calls but in tests.
struct FrameGridCalls {
    using CompositionTiming = HRESULT(WINAPI*)(HWND window, DWM_TIMING_INFO* info);
    using DisplaySettings = BOOL(WINAPI*)(LPCWSTR device, DWORD mode, DEVMODEW* settings);

    // DwmGetCompositionTimingInfo, found at run time so that the program starts where it is
    // missing; nullptr there.
    static CompositionTiming SystemCompositionTiming();

    CompositionTiming compositionTiming = SystemCompositionTiming();
    DisplaySettings displaySettings = &EnumDisplaySettingsW;
};

// The composition's period and last vertical blank; where composition is off, the primary
// display's refresh rate without a phase.
FrameGrid ReadFrameGrid(const FrameGridCalls& calls);
