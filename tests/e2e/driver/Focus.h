#pragma once
#include <windows.h>

// Whether typed keys reach a top-level window: it is in front for Windows and has the
// focus on the X display. The window manager gives the focus a moment after a window
// appears, and Wine then reads the keyboard state back from X, where no injected key is
// down: modifiers pressed before that moment would be lost.
bool HasKeyboard(HWND window);
// Waits until the window has the keyboard and its thread has caught up with the X
// events that came with it.
bool WaitForKeyboard(HWND window, DWORD timeoutMs);
