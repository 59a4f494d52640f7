#pragma once
#include <optional>
#include <string>
#include <vector>

// Wine maps the Unix root to drive Z:, so a Unix path is a Windows path on Z:.
std::string WindowsPathOfUnix(const std::string& unixPath);

std::optional<std::string> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Every file and folder below root, as relative paths with their sizes, sorted; used to
// see that a run wrote nothing.
std::vector<std::string> FolderListing(const std::string& root);
