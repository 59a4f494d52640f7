#include "tests/e2e/driver/Sandbox.h"

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Options.h"

#include <windows.h>

#include <filesystem>

namespace fs = std::filesystem;

Sandbox::Sandbox()
{
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "halcyra e2e " + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    fs::remove_all(root_);
    fs::create_directories(AppData());
    fs::create_directories(fs::path(ExePath()).parent_path());
    fs::copy_file(WindowsPathOfUnix(Options().halcyraExe), ExePath());
}

Sandbox::~Sandbox()
{
    std::error_code error;
    fs::remove_all(root_, error);
}
