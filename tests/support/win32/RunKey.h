#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "settings/StartWithWindows.h"

// Values of the current user's Run key. The end-to-end tests of the same Wine prefix read
// the key: a test that changes a value there puts back what it found.

inline std::optional<std::string> RunValue(const char* name) {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

// Writes the value, or deletes it for nothing.
inline void SetRunValue(const char* name, const std::optional<std::string>& value) {
    if (value)
        RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, name, REG_SZ, value->c_str(), value->size() + 1);
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, name);
}

// Sets the value and returns what it held before.
inline std::optional<std::string> SwapRunValue(const char* name, const std::optional<std::string>& value) {
    std::optional<std::string> before = RunValue(name);
    SetRunValue(name, value);
    return before;
}
