#pragma once
#include <optional>
#include <string>
#include <vector>

// Wine maps the Unix root to drive Z:, so a Unix path is a Windows path on Z:.
std::string WindowsPathOfUnix(const std::string& unixPath);

std::optional<std::string> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Every file and folder below root, as relative paths with their sizes, sorted; used to
// see that a run wrote nothing.
std::vector<std::string> FolderListing(const std::string& root);

// Lines joined the way the profile functions write them.
std::string CrLfText(const std::vector<std::string>& lines);
// The lines of a file that must use CR LF throughout; blank lines between sections carry
// no meaning and are left out. A lone CR or LF fails the comparison on purpose.
std::vector<std::string> CrLfLines(const std::string& text);
