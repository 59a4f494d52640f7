#include "platform/win32/Dpi.h"

#include "platform/win32/Handles.h"

namespace {

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

// A function of a system DLL that may not have it; the DLL stays loaded for the process.
template <typename Function>
Function Find(const wchar_t* dll, const char* name)
{
    const HMODULE module = LoadLibraryW(dll);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

UINT SystemDpi()
{
    const UniqueScreenDC screen(GetDC(nullptr));
    return static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

UINT DpiOfWindow(HWND window)
{
    static const auto forWindow = Find<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow");
    const UINT dpi = forWindow ? forWindow(window) : 0;
    return dpi ? dpi : SystemDpi();
}

int MetricForDpi(int index, UINT dpi)
{
    static const auto forDpi = Find<int(WINAPI*)(int, UINT)>(L"user32.dll", "GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, dpi) : MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), SystemDpi());
}

void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi)
{
    static const auto forDpi =
        Find<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (!forDpi || !forDpi(&rect, style, FALSE, exStyle, dpi))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

MonitorDpiQuery SystemMonitorDpiQuery()
{
    static const auto query = Find<MonitorDpiQuery>(L"shcore.dll", "GetDpiForMonitor");
    return query;
}

UINT DpiOfMonitor(HMONITOR monitor, MonitorDpiQuery query)
{
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (query && SUCCEEDED(query(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiY)
        return dpiY;
    return SystemDpi();
}
