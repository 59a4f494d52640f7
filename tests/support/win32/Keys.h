#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/win32/Pump.h"

// One key going down (flags 0) or up (KEYEVENTF_KEYUP), through the system's input queue.
inline void SendKey(WORD key, DWORD flags) {
    INPUT input{.type = INPUT_KEYBOARD, .ki = {key, 0, flags, 0, 0}};
    SendInput(1, &input, sizeof input);
}

// Presses keys as a chord into target, this thread's window, and returns once the thread
// has taken them all. Keys go to the foreground window, which the window manager may have
// moved elsewhere between two steps of a test, so target is brought back first.
inline void PressKeys(HWND target, const std::vector<WORD>& chord) {
    // Activating the window again would move its focus back to where it last was.
    if (GetForegroundWindow() != target) {
        SetForegroundWindow(target);
        PumpUntil([&] { return GetForegroundWindow() == target; });
    }
    const WORD last = chord.back();
    const SHORT toggledBefore = GetKeyState(last) & 1;
    for (WORD key : chord)
        SendKey(key, 0);
    for (auto key = chord.rbegin(); key != chord.rend(); ++key)
        SendKey(*key, KEYEVENTF_KEYUP);
    // The thread's own key state changes only as it takes the key messages from its queue.
    ASSERT_TRUE(PumpUntil([&] { return (GetKeyState(last) & 1) != toggledBefore && GetKeyState(last) >= 0; }));
    PumpUntil([] { return false; }, 30);  // and whatever they posted in turn
}

// Puts text on the clipboard as CF_TEXT; false when the clipboard could not be had.
inline bool PutOnClipboard(const std::string& text) {
    // Another process may hold the clipboard for a moment.
    if (!PumpUntil([] { return OpenClipboard(nullptr) != FALSE; }))
        return false;
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    CopyMemory(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    // The clipboard owns the memory once it has taken it.
    const bool taken = EmptyClipboard() && SetClipboardData(CF_TEXT, memory);
    if (!taken)
        GlobalFree(memory);
    CloseClipboard();
    return taken;
}
