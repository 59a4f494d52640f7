#pragma once
#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/SettingsDialog.h"

#include <string>
#include <vector>

// A settings file in which every value differs from the defaults, so that a field saved
// from the wrong control shows.
std::vector<std::string> KnownSettingsLines();
// The lines with the line of key, which must be there, replaced by key=value.
std::vector<std::string> WithValue(std::vector<std::string> lines, const std::string& key, const std::string& value);
// The lines with the [Messages] section, which must come last, holding these messages.
std::vector<std::string> WithMessages(std::vector<std::string> lines, const std::vector<std::string>& messages);

// A test of the settings dialog: the program is started with the given settings and the
// dialog opened with a double click on the tray icon, as a user opens it.
class DialogTest : public E2eTest {
protected:
    SettingsDialog LaunchAndOpen(const std::vector<std::string>& settingsLines);
    // Double-clicks the icon and waits until the dialog is in front with the focus.
    SettingsDialog OpenByDoubleClick();
    void SaveAndWaitClosed(const SettingsDialog& dialog);
    std::string SettingsText() const { return ReadFileBytes(SettingsPath()).value_or("<no file>"); }
    std::vector<HWND> SettingsDialogs(bool visibleOnly = true) const
    {
        return program->Windows(kSettingsWindowClass, visibleOnly);
    }

    // The settings file as the test wrote it, to see that nothing was stored.
    std::string written;
};
