#pragma once
// What the driver sees of the desktop and the input it makes there: top-level windows,
// read with the messages every window answers across processes, input made with SendInput
// so that the system routes it, and the X display behind Wine.
#include <windows.h>

#include "platform/win32/Controls.h"
#include "tests/support/Files.h"
#include "tests/support/win32/Keys.h"
#include "tests/support/win32/Pump.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// For harness steps that a test cannot go on without: GoogleTest reports the text as the
// test's failure.
inline void Require(bool condition, const std::string& what)
{
    if (!condition)
        throw std::runtime_error(what);
}

inline std::vector<HWND> TopLevelWindowsOf(DWORD processId, const char* windowClass)
{
    std::vector<HWND> windows;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, windowClass, nullptr));) {
        DWORD owner = 0;
        if (GetWindowThreadProcessId(window, &owner) && owner == processId)
            windows.push_back(window);
    }
    return windows;
}

inline RECT RectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

inline POINT CentreOf(HWND window)
{
    const RECT rect = RectOf(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The standard output of a Unix shell command once it has finished. Wine starts Unix
// programs through CreateProcess but gives no handle to wait on, so the output is moved to
// where the driver looks for it only when it is complete; Wine maps the Unix root to drive Z:.
inline std::optional<std::string> UnixCommandOutput(const std::string& shellCommand)
{
    static int counter = 0;
    const std::string file = "/tmp/halcyra-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++counter);
    std::string commandLine =
        "/bin/sh -c \"" + shellCommand + " >" + file + ".part; mv " + file + ".part " + file + "\"";
    STARTUPINFOA startup = {.cb = sizeof startup};
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return std::nullopt;
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    std::optional<std::string> output;
    PumpUntil([&] { return std::filesystem::exists("Z:" + file); }, 10000);
    if (std::filesystem::exists("Z:" + file))
        output = ReadBytes("Z:" + file);
    std::filesystem::remove("Z:" + file);
    return output;
}

// The pixels the user sees, after the window manager and the colour key have done their
// part, read with ImageMagick's import as RGB bytes.
inline std::vector<COLORREF> CaptureScreen(const RECT& area)
{
    const auto rgb = UnixCommandOutput("import -window root -crop " + std::to_string(area.right - area.left) + "x" +
                                       std::to_string(area.bottom - area.top) + "+" + std::to_string(area.left) +
                                       "+" + std::to_string(area.top) + " +repage -depth 8 rgb:-");
    std::vector<COLORREF> pixels;
    for (size_t at = 0; rgb && at + 2 < rgb->size(); at += 3)
        pixels.push_back(RGB((*rgb)[at], (*rgb)[at + 1], (*rgb)[at + 2]));
    return pixels;
}

// Waits until typed keys reach a top-level window: it is in front for Windows and has the
// focus on the X display (the X window Wine made for it), and its thread has caught up
// with the X events that came with it. The window manager gives the focus a moment after
// a window appears, and Wine then reads the keyboard state back from X, where no injected
// key is down: modifiers pressed before that moment would be lost.
inline bool WaitForKeyboard(HWND window, DWORD timeoutMs)
{
    const auto hasKeyboard = [&] {
        unsigned long long focus = 0;
        const auto output =
            GetForegroundWindow() == window ? UnixCommandOutput("xdotool getwindowfocus") : std::nullopt;
        return output && std::sscanf(output->c_str(), "%llu", &focus) == 1 &&
               focus == reinterpret_cast<uintptr_t>(GetPropA(window, "__wine_x11_whole_window"));
    };
    // The window's thread reads its pending X events before it answers a sent message.
    return PumpUntil(hasKeyboard, timeoutMs) &&
           SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, nullptr);
}

// Moves the pointer there, waits until it has arrived and clicks. Absolute coordinates run
// from 0 to 65535 over the primary screen; rounding up lands exactly on the wanted pixel.
inline void ClickAt(POINT at, int clicks = 1, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP)
{
    const auto normalised = [](LONG pixel, int extent) { return LONG((pixel * 65536LL + extent - 1) / extent); };
    INPUT move = {.type = INPUT_MOUSE,
                  .mi = {.dx = normalised(at.x, GetSystemMetrics(SM_CXSCREEN)),
                         .dy = normalised(at.y, GetSystemMetrics(SM_CYSCREEN)),
                         .dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE}};
    SendInput(1, &move, sizeof move);
    POINT now = {};
    PumpUntil([&] { return GetCursorPos(&now) && now.x == at.x && now.y == at.y; }, 1000);
    for (int i = 0; i < 2 * clicks; ++i) {
        INPUT button = {.type = INPUT_MOUSE, .mi = {.dwFlags = i % 2 ? up : down}};
        SendInput(1, &button, sizeof button);
    }
}

// Presses the keys in order and releases them in reverse order. Before a modifier goes
// down, the X events of earlier pointer moves and focus changes reach the program in front:
// entering another X window, or getting the X focus, makes Wine read the keyboard state
// back from the X server, where no injected key is down, and a modifier held at that moment
// would be released behind the test's back. The pointer query is a round trip to the X
// server: every request made before it, the pointer warps included, has been carried out.
inline void PressChord(std::vector<WORD> keys)
{
    if (std::any_of(keys.begin(), keys.end(), [](WORD key) { return key == VK_CONTROL || key == VK_MENU; })) {
        UnixCommandOutput("xdotool getmouselocation");
        SendMessageTimeoutA(GetForegroundWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, nullptr);
    }
    for (WORD key : keys)
        SendKey(key, 0);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        SendKey(*key, KEYEVENTF_KEYUP);
}
