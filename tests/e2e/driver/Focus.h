#pragma once
#include <windows.h>

// Waits until typed keys reach a top-level window: it is in front for Windows and has the
// focus on the X display, and its thread has caught up with the X events that came with
// it. The window manager gives the focus a moment after a window appears, and Wine then
// reads the keyboard state back from X, where no injected key is down: modifiers pressed
// before that moment would be lost.
bool WaitForKeyboard(HWND window, DWORD timeoutMs);

// Lets the X events of earlier pointer moves and focus changes reach the program in front
// before keys are held down: entering another X window, or getting the X focus, makes
// Wine read the keyboard state back from the X server, where no injected key is down, and
// a modifier held at that moment would be released behind the test's back.
void SettleInput();
