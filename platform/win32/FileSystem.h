#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes and the tests for what a path names. Nothing here reports a
// failure other than through its result, which for a read or a write is the system's own
// error code.

// A normal, read-only or archive file; hidden and system files and folders are not found.
bool FileFound(const std::string& path);
// A folder, or a file of that name; hidden and system ones are not found.
bool FolderFound(const std::string& path);

// The whole file; empty when it does not exist, nothing when it exists but cannot be read,
// and then error says why.
std::optional<std::string> ReadFileBytes(const std::string& path, DWORD& error);
// Writes a temporary file beside path and moves it over path, so that path holds either
// its old or its new bytes, never a part of them, and no temporary file is left. Gives
// ERROR_SUCCESS, or why it could not be done.
DWORD ReplaceFileBytes(const std::string& path, std::string_view bytes);
