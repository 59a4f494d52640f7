#include "settings/StartWithWindows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

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

}  // namespace

// The end-to-end tests of the same Wine prefix read this key: what the test changes there
// it puts back, and it never enters the test exe.
TEST(StartWithWindows, TurningItOffRemovesTheEarlierEditionsValueWithOurOwn)
{
    const char* const names[] = {"Halcyra", "Brindlewick"};
    std::optional<std::string> before[2];
    for (int i = 0; i < 2; ++i) {
        before[i] = RunValue(names[i]);
        SetRunValue(names[i], std::string("\"C:\\elsewhere\\") + names[i] + ".exe\"");
        EXPECT_TRUE(RunValue(names[i]).has_value());
    }
    ApplyStartWithWindows(false);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(RunValue(names[i]), std::nullopt) << names[i];
        SetRunValue(names[i], before[i]);
    }
}
