#include "tests/e2e/driver/Input.h"

#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

void Send(INPUT input) { SendInput(1, &input, sizeof input); }

// Absolute coordinates run from 0 to 65535 over the primary screen; rounding up lands
// exactly on the wanted pixel.
LONG Normalised(LONG pixel, int extent) { return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent); }

void ClickAt(POINT at, DWORD downFlag, DWORD upFlag, int clicks)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
    WaitUntil(
        [&] {
            POINT now = {};
            GetCursorPos(&now);
            return now.x == at.x && now.y == at.y;
        },
        1000);
    input = {};
    input.type = INPUT_MOUSE;
    for (int i = 0; i < clicks; ++i) {
        input.mi.dwFlags = downFlag;
        Send(input);
        input.mi.dwFlags = upFlag;
        Send(input);
    }
}

void SendKey(WORD key, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    Send(input);
}

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

// The window's thread reads its pending X events before it answers a sent message.
bool SyncWithThreadOf(HWND window, DWORD timeoutMs)
{
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, nullptr) != 0;
}

bool HasKeyboard(HWND window) { return GetForegroundWindow() == window && XFocusWindow() == XWindowOf(window); }

// Lets the X events of earlier pointer moves and focus changes reach the program in front
// before keys are held down: entering another X window, or getting the X focus, makes
// Wine read the keyboard state back from the X server, where no injected key is down, and
// a modifier held at that moment would be released behind the test's back.
void SettleInput()
{
    // A round trip to the X server: every request made before it, the pointer warps of
    // injected mouse moves included, has been carried out and its events sent.
    UnixCommandOutput("xdotool getmouselocation", 5000);
    if (const HWND front = GetForegroundWindow())
        SyncWithThreadOf(front, 1000);
}

}  // namespace

bool WaitForKeyboard(HWND window, DWORD timeoutMs)
{
    return WaitUntil([&] { return HasKeyboard(window); }, timeoutMs) && SyncWithThreadOf(window, timeoutMs);
}

void LeftClickAt(POINT at) { ClickAt(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1); }
void RightClickAt(POINT at) { ClickAt(at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1); }
void DoubleClickAt(POINT at) { ClickAt(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2); }

void PressChord(std::initializer_list<WORD> keys)
{
    constexpr WORD modifiers[] = {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN};
    if (std::find_first_of(keys.begin(), keys.end(), std::begin(modifiers), std::end(modifiers)) != keys.end())
        SettleInput();
    for (WORD key : keys)
        SendKey(key, 0);
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        SendKey(*key, KEYEVENTF_KEYUP);
}

void TypeText(const std::string& text)
{
    std::vector<INPUT> inputs;
    for (unsigned char c : text) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool PutOnClipboard(const std::string& text)
{
    // Another process may hold the clipboard for a moment.
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000))
        return false;
    HGLOBAL memory = EmptyClipboard() ? GlobalAlloc(GMEM_MOVEABLE, text.size() + 1) : nullptr;
    if (memory) {
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        // The clipboard owns the memory once it has taken it.
        if (!SetClipboardData(CF_TEXT, memory)) {
            GlobalFree(memory);
            memory = nullptr;
        }
    }
    CloseClipboard();
    return memory != nullptr;
}
