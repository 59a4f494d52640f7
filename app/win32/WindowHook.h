#pragma once
#include <windows.h>

#include "platform/UniqueHandle.h"

// The id of the shell's "TaskbarCreated" broadcast; 0 until the main form registers it.
extern UINT TaskbarCreatedMessage;

// Puts WindowProc in front of the window's own procedure, once. The window is also the
// one the hotkeys are registered on.
void HookWindow(HWND window);
// Gives the hooked window its own procedure back; the window stays recorded.
void UnhookWindow();
// The hooked window, kept after UnhookWindow; nullptr before HookWindow.
HWND HookedWindow();

// Gives the hooked window its procedure back when its owner lets it go.
inline void ReleaseHook(HWND)
{
    UnhookWindow();
}
using WindowHookOwner = UniqueHandle<HWND, &ReleaseHook>;

// Turns hotkeys and tray events into the main form's operations and hands every other
// message on to the procedure it replaced.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
