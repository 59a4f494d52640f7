#pragma once
#include <optional>
#include <string>

// The current user's Run key, which the end-to-end tests of the same Wine prefix read:
// a test that changes a value there puts back what it found.

// A value of the key, or nothing when there is none.
std::optional<std::string> RunValue(const char* name);
// Writes the value, or deletes it for nothing.
void SetRunValue(const char* name, const std::optional<std::string>& value);
