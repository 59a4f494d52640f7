#include "tests/e2e/driver/RunKey.h"

#include "platform/Handles.h"

namespace {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

UniqueRegKey OpenRunKey(REGSAM access)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, access, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return UniqueRegKey();
    return UniqueRegKey(key);
}

void Restore(const std::string& name, const std::optional<std::string>& data)
{
    if (data)
        WriteRunValue(name, *data);
    else
        DeleteRunValue(name);
}

}  // namespace

std::optional<std::string> ReadRunValue(const std::string& name)
{
    const UniqueRegKey key = OpenRunKey(KEY_QUERY_VALUE);
    char data[2048] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (!key || RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
                    ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data);
}

void WriteRunValue(const std::string& name, const std::string& data)
{
    const UniqueRegKey key = OpenRunKey(KEY_SET_VALUE);
    RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
}

void DeleteRunValue(const std::string& name)
{
    const UniqueRegKey key = OpenRunKey(KEY_SET_VALUE);
    RegDeleteValueA(key.get(), name.c_str());
}

RunValuesGuard::RunValuesGuard() : halcyra_(ReadRunValue("Halcyra")), brindlewick_(ReadRunValue("Brindlewick")) {}

RunValuesGuard::~RunValuesGuard()
{
    Restore("Halcyra", halcyra_);
    Restore("Brindlewick", brindlewick_);
}
