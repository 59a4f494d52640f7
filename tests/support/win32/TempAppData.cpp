#include "tests/support/win32/TempAppData.h"

#include "platform/win32/Environment.h"

TempAppData::TempAppData() : previous_(EnvironmentVariable("APPDATA")) {
    static int serial = 0;
    const std::string name = "halcyra-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    root_ = (std::filesystem::temp_directory_path() / name).string();
    CreateDirectoryA(root_.c_str(), nullptr);
    SetEnvironmentVariableA("APPDATA", root_.c_str());
}

TempAppData::~TempAppData() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
    SetEnvironmentVariableA("APPDATA", previous_.empty() ? nullptr : previous_.c_str());
}
