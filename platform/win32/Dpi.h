#pragma once
#include <windows.h>

// The DPI calls of Windows 10 and 8.1, found at run time so that the program starts where
// they are missing; there, the system's DPI, which is then the only one.

// What the whole session runs at, and what the screen's DC reports.
UINT SystemDpi();
UINT DpiOfWindow(HWND window);
// A metric (SM_CXSMICON...) as the system gives it for a DPI.
int MetricForDpi(int index, UINT dpi);
// The frame around a client rectangle at a DPI.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

// GetDpiForMonitor's signature: how a window asks for a monitor's DPI; the system's call
// but in tests.
using MonitorDpiQuery = HRESULT(WINAPI*)(HMONITOR monitor, int type, UINT* dpiX, UINT* dpiY);
// The system's GetDpiForMonitor, or nullptr where shcore lacks it.
MonitorDpiQuery SystemMonitorDpiQuery();
// The monitor's effective DPI, or the system's where the query is missing or fails.
UINT DpiOfMonitor(HMONITOR monitor, MonitorDpiQuery query);
