#pragma once
#include <optional>
#include <string>

// Writes a value of the current user's Run key, or deletes it for nothing, and returns what
// it held before. The end-to-end tests of the same Wine prefix read the key: a test that
// changes a value there puts back what it found.
std::optional<std::string> SwapRunValue(const char* name, const std::optional<std::string>& value);
