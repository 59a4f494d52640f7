#pragma once
#include <windows.h>

#include <string>
#include <vector>

// One key going down (flags 0) or up (KEYEVENTF_KEYUP), through the system's input queue.
void SendKey(WORD key, DWORD flags);

// Presses keys as a chord into target, this thread's window, and returns once the thread
// has taken them all. Keys go to the foreground window, which the window manager may have
// moved elsewhere between two steps of a test, so target is brought back first.
void PressKeys(HWND target, const std::vector<WORD>& chord);

// Puts text on the clipboard as CF_TEXT; false when the clipboard could not be had.
bool PutOnClipboard(const std::string& text);
