#pragma once
#include <cstdint>

// The current user's list of programs that start at log-on, under HKEY_CURRENT_USER.
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Writes (enable) or deletes the program's value in the current user's Run key, and
// always deletes the earlier edition's value there. Gives 0, or the system's error code
// when the program's value could not be written or deleted.
uint32_t ApplyStartWithWindows(bool enable);
