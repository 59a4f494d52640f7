#include "tests/e2e/driver/Focus.h"

#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

#include <cstdint>
#include <cstdio>

namespace {

std::optional<unsigned long> XFocusWindow()
{
    const auto output = UnixCommandOutput("xdotool getwindowfocus", 5000);
    unsigned long window = 0;
    if (!output || std::sscanf(output->c_str(), "%lu", &window) != 1)
        return std::nullopt;
    return window;
}

// The X window that Wine made for a top-level window.
unsigned long XWindowOf(HWND window)
{
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(GetPropA(window, "__wine_x11_whole_window")));
}

// A round trip to the X server: every request made before it, the pointer warps of
// injected mouse moves included, has been carried out and its events sent.
void SyncWithX() { UnixCommandOutput("xdotool getmouselocation", 5000); }

// The window's thread reads its pending X events before it answers a sent message.
bool SyncWithThreadOf(HWND window, DWORD timeoutMs)
{
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, nullptr) != 0;
}

bool HasKeyboard(HWND window) { return GetForegroundWindow() == window && XFocusWindow() == XWindowOf(window); }

}  // namespace

bool WaitForKeyboard(HWND window, DWORD timeoutMs)
{
    return WaitUntil([&] { return HasKeyboard(window); }, timeoutMs) && SyncWithThreadOf(window, timeoutMs);
}

void SettleInput()
{
    SyncWithX();
    if (const HWND front = GetForegroundWindow())
        SyncWithThreadOf(front, 1000);
}
