#include "flash/win32/FrameGridQuery.h"

#include "platform/win32/QpcClock.h"

FrameGridCalls::CompositionTiming FrameGridCalls::SystemCompositionTiming()
{
    // Loaded once and kept for the life of the process.
    static const HMODULE dwmapi = LoadLibraryW(L"dwmapi.dll");
    return dwmapi ? reinterpret_cast<CompositionTiming>(
                        reinterpret_cast<void*>(GetProcAddress(dwmapi, "DwmGetCompositionTimingInfo")))
                  : nullptr;
}

FrameGrid ReadFrameGrid(const FrameGridCalls& calls)
{
    DWM_TIMING_INFO timing{};
    timing.cbSize = sizeof timing;
    // The desktop's own timing needs no window, and since Windows 8.1 accepts none.
    if (calls.compositionTiming && SUCCEEDED(calls.compositionTiming(nullptr, &timing)) &&
        timing.qpcRefreshPeriod > 0)
        return {FromQpc(static_cast<int64_t>(timing.qpcRefreshPeriod)), FromQpc(static_cast<int64_t>(timing.qpcVBlank))};
    DEVMODEW display{};
    display.dmSize = sizeof display;
    const bool known = calls.displaySettings(nullptr, ENUM_CURRENT_SETTINGS, &display);
    return GridOfRefreshRate(known ? display.dmDisplayFrequency : 0);
}
