#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

// Input as a user makes it, injected with SendInput so that the system routes it
// (hotkeys, the window under the cursor, the open menu).

void LeftClickAt(POINT at);
void RightClickAt(POINT at);
void DoubleClickAt(POINT at);

// Presses a combination such as Ctrl+Alt+S in order and releases it in reverse order.
void PressChord(std::initializer_list<WORD> keys);

// Types text as characters, whatever the keyboard layout, as an input method would.
void TypeText(const std::string& text);

// Puts ANSI text on the clipboard, as copying it in another program would; false when
// the clipboard could not be taken.
bool PutOnClipboard(const std::string& text);

// Waits until typed keys reach a top-level window: it is in front for Windows and has the
// focus on the X display, and its thread has caught up with the X events that came with
// it. The window manager gives the focus a moment after a window appears, and Wine then
// reads the keyboard state back from X, where no injected key is down: modifiers pressed
// before that moment would be lost.
bool WaitForKeyboard(HWND window, DWORD timeoutMs);
