#pragma once
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes and the tests for what a path names. Nothing here reports a
// failure other than through its result.

// A normal, read-only or archive file; hidden and system files and folders are not found.
bool FileFound(const std::string& path);
// A folder, or a file of that name; hidden and system ones are not found.
bool FolderFound(const std::string& path);

// The whole file; empty when it does not exist, nothing when it exists but cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
// Writes a temporary file beside path and moves it over path, so that path holds either
// its old or its new bytes, never a part of them. False when anything failed.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);
