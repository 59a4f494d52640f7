#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/UniqueHandle.h"

// Registers the hotkeys of gSettings on window, dropping any earlier registration first.
// Returns the warning naming the refused combinations, or an empty text. Does nothing
// without a window.
std::string RegisterHotkeys(HWND window);
// Drops all three registrations of window; does nothing without one.
void UnregisterHotkeys(HWND window);
// Holds the registrations of a window: drops them when it is let go.
using HotkeyOwner = UniqueHandle<HWND, &UnregisterHotkeys>;

// The system's name for a key in the current keyboard layout; empty when it has none.
std::string LayoutKeyName(int32_t key);

std::string KeyName(int32_t key);
std::string HotkeyText(int32_t mods, int32_t key);
