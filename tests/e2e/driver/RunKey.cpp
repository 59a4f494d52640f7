#include "tests/e2e/driver/RunKey.h"

#include "platform/Handles.h"

namespace {

UniqueRegKey OpenRunKey(REGSAM access)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, nullptr, 0, access,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return UniqueRegKey();
    return UniqueRegKey(key);
}

}  // namespace

std::optional<std::string> ReadRunValue(const std::string& name)
{
    const UniqueRegKey key = OpenRunKey(KEY_QUERY_VALUE);
    char data[2048] = {};
    DWORD size = sizeof data - 1;
    if (!key || RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) !=
                    ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data);
}

void WriteRunValue(const std::string& name, const std::optional<std::string>& data)
{
    const UniqueRegKey key = OpenRunKey(KEY_SET_VALUE);
    if (!data)
        RegDeleteValueA(key.get(), name.c_str());
    else
        RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data->c_str()),
                       static_cast<DWORD>(data->size() + 1));
}
