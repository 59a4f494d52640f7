#pragma once
#include <optional>
#include <string>

// Values under the current user's Run key, where the program enters itself.
std::optional<std::string> ReadRunValue(const std::string& name);
// Writes a value, or deletes it when data is nullopt.
void WriteRunValue(const std::string& name, const std::optional<std::string>& data);
