#pragma once
#include <windows.h>

#include <string>

#include "platform/win32/Environment.h"
#include "tests/support/Files.h"

// Points APPDATA at a fresh empty folder while it lives, and removes that folder afterwards.
class TempAppData {
public:
    TempAppData() {
        static int serial = 0;
        const std::string name = "halcyra-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
        root_ = (std::filesystem::temp_directory_path() / name).string();
        CreateDirectoryA(root_.c_str(), nullptr);
        SetEnvironmentVariableA("APPDATA", root_.c_str());
    }
    ~TempAppData() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
        SetEnvironmentVariableA("APPDATA", previous_.empty() ? nullptr : previous_.c_str());
    }
    const std::string& Root() const { return root_; }
    std::string OurFile() const { return root_ + "\\Halcyra\\settings.ini"; }

private:
    std::string previous_ = EnvironmentVariable("APPDATA");
    std::string root_;
};
