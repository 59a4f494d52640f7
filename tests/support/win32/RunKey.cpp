#include "tests/support/win32/RunKey.h"

#include <windows.h>

std::optional<std::string> SwapRunValue(const char* name, const std::optional<std::string>& value) {
    const char* const key = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    char before[MAX_PATH] = {};
    DWORD size = sizeof before;
    const bool held = !RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, before, &size);
    if (value)
        RegSetKeyValueA(HKEY_CURRENT_USER, key, name, REG_SZ, value->c_str(), value->size() + 1);
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, key, name);
    return held ? std::optional<std::string>(before) : std::nullopt;
}
