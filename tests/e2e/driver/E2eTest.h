#pragma once
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/RunKey.h"
#include "tests/e2e/driver/Sandbox.h"
#include "tests/e2e/driver/Tray.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

// Harness steps that a test cannot go on without throw this; GoogleTest reports the
// text as the test's failure.
void Require(bool condition, const std::string& what);

// Every test gets its own folder, its own copy of the program and the Run key as it
// found it; the program it started is ended and its icon removed when it is over.
class E2eTest : public testing::Test {
protected:
    void WriteSettings(const std::string& text);
    Program& Launch();
    // Launches and waits until start-up has finished with the icon in the tray.
    TrayIcon LaunchToTray();

    // Opens the tray menu with the right button and returns its window.
    HWND OpenTrayMenu();
    // Opens the tray menu and picks an item by its underlined letter.
    void ChooseFromTrayMenu(WORD mnemonicKey);
    void ExitFromTrayMenu();

    Sandbox sandbox;
    RunValuesGuard runValues;
    std::unique_ptr<Program> program;
};

// Whether the driver could take a hotkey now, that is whether no one holds it.
bool HotkeyIsFree(UINT modifiers, UINT key);

// Timeouts of the harness: generous, since they only bound a wait that normally ends
// much sooner.
inline constexpr DWORD kStartTimeoutMs = 20000;
inline constexpr DWORD kActionTimeoutMs = 3000;
