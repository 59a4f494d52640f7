#include "settings/tests/TempAppData.h"

#include <fstream>
#include <iterator>

namespace {

void RemoveFile(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

}  // namespace

TempAppData::TempAppData()
{
    char buffer[MAX_PATH] = {};
    hadPrevious_ = GetEnvironmentVariableA("APPDATA", buffer, MAX_PATH) > 0;
    previous_ = buffer;

    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    root_ = std::string(temp) + "halcyra-settings-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++serial);
    CreateDirectoryA(root_.c_str(), nullptr);
    SetEnvironmentVariableA("APPDATA", root_.c_str());
}

TempAppData::~TempAppData()
{
    for (const std::string& folder : {OurFolder(), LegacyFolder()}) {
        RemoveFile(folder + "\\settings.ini");
        RemoveFile(folder + "\\settings.ini.tmp");
        RemoveDirectoryA((folder + "\\settings.ini.tmp").c_str());
        SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(folder.c_str());
        RemoveFile(folder);
    }
    RemoveDirectoryA(root_.c_str());
    SetEnvironmentVariableA("APPDATA", hadPrevious_ ? previous_.c_str() : nullptr);
}

void WriteBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
