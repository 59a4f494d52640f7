#include "tests/e2e/driver/DialogTest.h"

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Focus.h"
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

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> WithValue(std::vector<std::string> lines, const std::string& key, const std::string& value)
{
    const auto line =
        std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(key + "="); });
    Require(line != lines.end(), "no line for " + key);
    *line = key + "=" + value;
    return lines;
}

SettingsDialog DialogTest::LaunchAndOpen(const std::string& settingsText)
{
    written = settingsText;
    WriteSettings(settingsText);
    LaunchToTray();
    return OpenByDoubleClick();
}

SettingsDialog DialogTest::OpenByDoubleClick()
{
    const auto icon = WaitForHalcyraIcon(kActionTimeoutMs);
    Require(icon.has_value(), "no Halcyra icon to double-click");
    DoubleClickIcon(*icon);
    HWND window = nullptr;
    const bool inFront = WaitUntil(
        [&] {
            window = FindSettingsDialog(program->Id());
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

std::string DialogTest::SettingsText() { return ReadFileBytes(sandbox.SettingsPath()).value_or("<no file>"); }
