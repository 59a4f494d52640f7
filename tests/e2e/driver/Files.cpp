#include "tests/e2e/driver/Files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

std::string WindowsPathOfUnix(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::optional<std::string> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FolderListing(const std::string& root)
{
    std::vector<std::string> entries;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(root, error)) {
        std::string line = fs::relative(entry.path(), root).string();
        if (entry.is_regular_file())
            line += " " + std::to_string(entry.file_size());
        entries.push_back(line);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string CrLfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        if (end > start)
            lines.push_back(text.substr(start, end - start));
    }
    if (start != text.size())
        lines.push_back("<unterminated> " + text.substr(start));
    return lines;
}
