#include "tests/support/win32/RunKey.h"

#include <windows.h>

static const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::string> RunValue(const char* name)
{
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void SetRunValue(const char* name, const std::optional<std::string>& value)
{
    if (value)
        RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, name, REG_SZ, value->c_str(), value->size() + 1);
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, name);
}
