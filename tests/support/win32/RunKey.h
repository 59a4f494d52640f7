#pragma once
#include <optional>
#include <string>

// Values of the current user's Run key. The end-to-end tests of the same Wine prefix read
// the key: a test that changes a value there puts back what it found.
std::optional<std::string> RunValue(const char* name);
// Writes the value, or deletes it for nothing.
void SetRunValue(const char* name, const std::optional<std::string>& value);
// Sets the value and returns what it held before.
inline std::optional<std::string> SwapRunValue(const char* name, const std::optional<std::string>& value)
{
    std::optional<std::string> before = RunValue(name);
    SetRunValue(name, value);
    return before;
}
