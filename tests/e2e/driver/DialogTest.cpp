#include "tests/e2e/driver/DialogTest.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Wait.h"

#include <algorithm>

std::vector<std::string> KnownSettingsLines()
{
    return {
        "[Timing]", "IntervalMin=60", "IntervalMax=90", "DurationMs=250",
        "[Look]", "FontName=Liberation Serif", "FontSizeMin=30", "FontSizeMax=40", "Bold=0", "Color=65535",
        "RandomColor=0", "Opacity=128", "AllMonitors=0",
        "[General]", "StartWithWindows=0", "StartActive=0",
        "[Hotkeys]", "StartMod=3", "StartKey=83", "StopMod=3", "StopKey=88",
        "[Messages]", "Count=3", "M1=First message", "M2=Second one", "M3=The third and longest message",
    };
}

std::vector<std::string> WithValue(std::vector<std::string> lines, const std::string& key, const std::string& value)
{
    const auto line =
        std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(key + "="); });
    Require(line != lines.end(), "no line for " + key);
    *line = key + "=" + value;
    return lines;
}

std::vector<std::string> WithMessages(std::vector<std::string> lines, const std::vector<std::string>& messages)
{
    lines.erase(std::find(lines.begin(), lines.end(), "[Messages]"), lines.end());
    lines.push_back("[Messages]");
    lines.push_back("Count=" + std::to_string(messages.size()));
    for (size_t i = 0; i < messages.size(); ++i)
        lines.push_back("M" + std::to_string(i + 1) + "=" + messages[i]);
    return lines;
}

SettingsDialog DialogTest::LaunchAndOpen(const std::vector<std::string>& settingsLines)
{
    written = CrLfText(settingsLines);
    WriteSettings(written);
    LaunchToTray();
    return OpenByDoubleClick();
}

SettingsDialog DialogTest::OpenByDoubleClick()
{
    const auto icon = WaitForHalcyraIcon(kActionTimeoutMs);
    Require(icon.has_value(), "no Halcyra icon to double-click");
    DoubleClickAt(CentreOf(icon->window));
    HWND window = nullptr;
    const bool inFront = WaitUntil(
        [&] {
            const auto dialogs = SettingsDialogs();
            window = dialogs.empty() ? nullptr : dialogs.front();
            return window && GetForegroundWindow() == window;
        },
        kActionTimeoutMs);
    Require(window != nullptr, "a double click on the icon opened no settings dialog");
    Require(inFront, "the settings dialog did not come to the front");
    // Only settles: the window manager refuses the X focus when another window has taken
    // it since the click on the tray; typing then fails with its own message.
    WaitForKeyboard(window, kActionTimeoutMs);
    return SettingsDialog(window);
}

void DialogTest::SaveAndWaitClosed(const SettingsDialog& dialog)
{
    dialog.Click(cmdSave);
    Require(WaitUntil([&] { return !IsWindow(dialog.Window()); }, kActionTimeoutMs), "Save did not close the dialog");
}
