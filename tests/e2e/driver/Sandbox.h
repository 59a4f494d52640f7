#pragma once
#include <string>

// A fresh folder per test under the Windows temp folder: an application-data folder
// for the program and a copy of halcyra.exe in a folder whose name has spaces. Removed
// again when the test ends.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::string& Root() const { return root_; }
    std::string AppData() const { return root_ + "\\AppData"; }
    std::string ExePath() const { return root_ + "\\Program Files\\Halcyra Test\\halcyra.exe"; }
    std::string SettingsPath() const { return AppData() + "\\Halcyra\\settings.ini"; }
    std::string LegacyPath() const { return AppData() + "\\Brindlewick\\settings.ini"; }

private:
    std::string root_;
};
