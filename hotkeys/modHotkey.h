#pragma once
#include <cstdint>
#include <string>

// Registers the hotkeys of gSettings on the hooked main window, dropping any earlier
// registration first. Returns the warning naming the refused combinations, or an empty
// text. Does nothing while no window is hooked.
std::string RegisterHotkeys();
// Drops all three registrations of the hooked window; does nothing while none is hooked.
void UnregisterHotkeys();

// The system's name for a key in the current keyboard layout; empty when it has none.
std::string LayoutKeyName(int32_t key);

std::string KeyName(int32_t key);
std::string HotkeyText(int32_t mods, int32_t key);
