#include "tests/e2e/driver/E2eTest.h"

#include "dialog/SettingsControls.h"

using Tray = E2eTest;

TEST_F(Tray, StartingWithWindowsOneInstanceItsMenuTheShellsRestartTheDialogAndExitWithZeroSeenFromOutside)
{
    // Set to start with Windows, the program enters itself, quoted for a path with blanks. At
    // full opacity the thumb of the dialog's bar stands beside its right arrow.
    WriteBytes(settingsPath, "[Look]\r\nOpacity=255\r\n[General]\r\nStartWithWindows=1\r\n");
    const HWND icon = Launch();
    EXPECT_EQ(RunValue("Halcyra"), "\"" + exe + "\"");

    // With the test's folder for its application data, a second one would make a first run
    // there, whose defaults would enter the program in the Run key.
    SetRunValue("Halcyra", "left as it was");
    EXPECT_EQ(WaitForSingleObject(Start(root).get(), 5000), WAIT_OBJECT_0) << "a second one still runs";
    EXPECT_FALSE(std::filesystem::exists(root + "\\Halcyra"));
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - stopped")) << "not the one icon with its tip";
    EXPECT_EQ(RunValue("Halcyra"), "left as it was");

    // Another process's menu cannot be read under Wine: that its items are there shows in
    // choosing them by their letters.
    const RECT menu = ChooseFromTrayMenu({'S'});
    EXPECT_EQ(std::pair(menu.left, menu.top), std::pair(CentreOf(icon).x, CentreOf(icon).y));
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - running"));
    // A restarted shell has no icons; it says so with the "TaskbarCreated" broadcast.
    ASSERT_TRUE(RemoveTrayIcon(Window("HalcyraMain")));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - running")) << "back with its current tip";
    ChooseFromTrayMenu({'T'});
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - stopped"));

    // The dialog as a user opens it, waiting until it is in front.
    ClickAt(CentreOf(TrayIcon()), 2);
    HWND dialog = nullptr;
    const auto inFront = [&] { return (dialog = Window(kSettingsWindowClass)) && dialog == GetForegroundWindow(); };
    Require(PumpUntil(inFront, kActionTimeoutMs), "a double click on the icon brought no dialog to the front");
    // Only settles: the window manager may still be moving the X focus from the tray to the
    // dialog, and the drag's press should come after it.
    WaitForKeyboard(dialog, kActionTimeoutMs);
    // Dragged past both ends, the thumb, as wide as an arrow is, keeps within its range and the
    // percentage follows it while the button is down.
    const HWND bar = GetDlgItem(dialog, hsbOpacity), percentage = GetDlgItem(dialog, lblOpacity);
    const RECT ends = RectOf(bar);
    const LONG arrow = ends.bottom - ends.top, y = CentreOf(bar).y;
    MouseButton(MOUSEEVENTF_LEFTDOWN, {ends.right - arrow * 3 / 2, y});
    for (const auto& [x, position, text] : {std::tuple{ends.left - 20, 10, "4%"}, {ends.right + 20, 255, "100%"}}) {
        SetCursorPos(x, y);
        const auto follows = [&] { return SendMessageA(bar, SBM_GETPOS, 0, 0) == position && TextOf(percentage) == text; };
        EXPECT_TRUE(PumpUntil(follows, kActionTimeoutMs)) << text;
    }
    MouseButton(MOUSEEVENTF_LEFTUP, {ends.right + 20, y});
    // Start with Windows, ticked, enters the program again in place of the value left there.
    ClickAt(CentreOf(GetDlgItem(dialog, cmdSave)));
    // Save writes the file and the Run value, which a loaded machine may take its time over.
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }, kStartTimeoutMs)) << "Save did not close the dialog";
    EXPECT_EQ(RunValue("Halcyra"), "\"" + exe + "\"");

    // Once the program has ended, the system has taken its icon away and freed its hotkeys
    // whatever it did itself: from outside only the end and its code show.
    ChooseFromTrayMenu({'X'});
    ASSERT_EQ(WaitForSingleObject(process.get(), kActionTimeoutMs), WAIT_OBJECT_0) << Windows("#32770").size() << " boxes open";
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(GetExitCodeProcess(process.get(), &exitCode) && exitCode == 0) << exitCode;
}

using HotkeyWarning = E2eTest;

TEST_F(HotkeyWarning, OneBoxWithTheIconBehindItThenAFlashWhoseTextReachesTheScreenAndItsKeyColourNever)
{
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB002, MOD_CONTROL | MOD_ALT, 'S'));
    WriteBytes(settingsPath, PredictableSettings(4000, true));
    Launch();  // its icon already in the tray
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(box = Window("#32770")); }, kStartTimeoutMs));
    EXPECT_EQ(TextOf(box), "Halcyra");
    // Only the start hotkey is named, in the text of the system's message box (id 0xFFFF).
    EXPECT_NE(TextOf(GetDlgItem(box, 0xFFFF)).find(":\r\n\r\n  Ctrl+Alt+S  (start)\r\n\r\n"), std::string::npos);
    const HWND flash = Window("HalcyraFlash");
    EXPECT_FALSE(PumpUntil([&] { return IsWindowVisible(flash); }, 1500)) << "a flash while the box is open";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(flash); }, kActionTimeoutMs));

    // The colours the user sees there, after the window manager and the colour key have done
    // their part, as ImageMagick counts them.
    const RECT area = RectOf(flash);
    const LONG width = area.right - area.left, height = area.bottom - area.top;
    const std::string colours = UnixCommandOutput(
        "import -window root -crop " + std::to_string(width) + "x" + std::to_string(height) + "+" +
        std::to_string(area.left) + "+" + std::to_string(area.top) + " +repage -depth 8 -format %c histogram:info:-");
    ASSERT_TRUE(IsWindowVisible(flash)) << "all this must fall inside the display time";
    EXPECT_NE(colours.find(" #FFFF00 "), std::string::npos) << "the text not in its colour, blended:\n" << colours;
    EXPECT_EQ(colours.find(" #FF00FF "), std::string::npos) << "the key colour reaches the screen:\n" << colours;

    EXPECT_TRUE(Windows("#32770").empty()) << "a second box";
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - stopped")) << "the stop hotkey registered all the same";
}
