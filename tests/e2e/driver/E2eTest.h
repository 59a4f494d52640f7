#pragma once
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Tray.h"

#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

// Values under the current user's Run key, where the program enters itself.
std::optional<std::string> ReadRunValue(const std::string& name);
// Writes a value, or deletes it when data is nullopt.
void WriteRunValue(const std::string& name, const std::optional<std::string>& data);

// Harness steps that a test cannot go on without throw this; GoogleTest reports the
// text as the test's failure.
void Require(bool condition, const std::string& what);

// Every test gets a fresh folder under the Windows temp folder, with an application-data
// folder for the program and a copy of halcyra.exe in a folder whose name has spaces.
// When it is over, the program it started is ended and its icon removed, the folder
// goes and the Run values are put back as the test found them.
class E2eTest : public testing::Test {
protected:
    E2eTest();
    ~E2eTest() override;

    std::string AppData() const { return root + "\\AppData"; }
    std::string ExePath() const { return root + "\\Program Files\\Halcyra Test\\halcyra.exe"; }
    std::string SettingsPath() const { return AppData() + "\\Halcyra\\settings.ini"; }
    std::string LegacyPath() const { return AppData() + "\\Brindlewick\\settings.ini"; }

    void WriteSettings(const std::string& text);
    void Launch() { program = std::make_unique<Program>(ExePath(), AppData()); }
    // Launches and waits until start-up has finished with the icon in the tray.
    TrayIcon LaunchToTray();

    // Opens the tray menu with the right button and returns its window.
    HWND OpenTrayMenu();
    // Opens the tray menu and picks an item by its underlined letter.
    void ChooseFromTrayMenu(WORD mnemonicKey);
    void ExitFromTrayMenu();

    std::string root;
    std::unique_ptr<Program> program;

private:
    const std::optional<std::string> halcyraRun_ = ReadRunValue("Halcyra");
    const std::optional<std::string> brindlewickRun_ = ReadRunValue("Brindlewick");
};

bool HotkeyIsFree(UINT modifiers, UINT key);

// Timeouts of the harness: generous, since they only bound a wait that normally ends
// much sooner.
inline constexpr DWORD kStartTimeoutMs = 20000;
inline constexpr DWORD kActionTimeoutMs = 3000;
