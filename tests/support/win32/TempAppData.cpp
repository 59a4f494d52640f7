#include "tests/support/win32/TempAppData.h"

#include <filesystem>
#include <fstream>
#include <iterator>

TempAppData::TempAppData()
{
    char buffer[MAX_PATH] = {};
    hadPrevious_ = GetEnvironmentVariableA("APPDATA", buffer, MAX_PATH) > 0;
    previous_ = buffer;
    static int serial = 0;
    const std::string name = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    root_ = (std::filesystem::temp_directory_path() / ("halcyra-settings-" + name)).string();
    CreateDirectoryA(root_.c_str(), nullptr);
    SetEnvironmentVariableA("APPDATA", root_.c_str());
}

TempAppData::~TempAppData()
{
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
    SetEnvironmentVariableA("APPDATA", hadPrevious_ ? previous_.c_str() : nullptr);
}
