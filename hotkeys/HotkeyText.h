#pragma once
#include <cstdint>
#include <functional>
#include <string>

// Modifier bits of a hotkey, the same values the system's hotkey flags use.
inline constexpr int32_t ModAlt = 1;
inline constexpr int32_t ModCtrl = 2;
inline constexpr int32_t ModShift = 4;
inline constexpr int32_t ModWin = 8;

// The system's name for a virtual-key code, empty when it has none. The program's own
// table comes first; this covers every other key in the user's keyboard layout.
using SystemKeyName = std::function<std::string(int32_t key)>;

// The display name of a virtual-key code other than 0.
std::string KeyName(int32_t key, const SystemKeyName& systemName);

// "Ctrl+Alt+S" and the like; "(none)" when key is 0.
std::string HotkeyText(int32_t mods, int32_t key, const SystemKeyName& systemName);
