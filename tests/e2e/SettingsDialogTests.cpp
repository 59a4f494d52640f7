#include "tests/e2e/driver/E2eTest.h"

#include "dialog/SettingsControls.h"

class SettingsDialog : public E2eTest {
protected:
    // Opens the dialog as a user does and waits until it is in front.
    HWND OpenByDoubleClick()
    {
        ClickAt(CentreOf(TrayIcon(kActionTimeoutMs)), 2);
        HWND dialog = nullptr;
        const auto inFront = [&] {
            return (dialog = program->Window(kSettingsWindowClass)) && dialog == GetForegroundWindow();
        };
        Require(PumpUntil(inFront, kActionTimeoutMs), "a double click on the icon brought no dialog to the front");
        // Only settles: the window manager refuses the X focus when another window has taken
        // it since the click on the tray; typing then fails with its own message.
        WaitForKeyboard(dialog, kActionTimeoutMs);
        return dialog;
    }
    // Clicks into a box, selects all it holds with the keyboard and types digits, whose key
    // codes are their characters, over it.
    static void TypeInto(HWND dialog, SettingsControl id, const std::string& digits)
    {
        ClickAt(CentreOf(GetDlgItem(dialog, id)));
        PressChord({VK_CONTROL, VK_HOME});
        PressChord({VK_CONTROL, VK_SHIFT, VK_END});
        for (char digit : digits)
            PressChord({WORD(digit)});
        Require(PumpUntil([&] { return TextOf(GetDlgItem(dialog, id)) == digits; }, 2000),
                "typed " + digits + " into " + std::to_string(id) + " but it shows " + TextOf(GetDlgItem(dialog, id)));
    }
};

TEST_F(SettingsDialog, SavesWhatWasEditedShowsItAgainComesForwardOnceAndExitClosesItUnsaved)
{
    WriteBytes(SettingsPath(), CrLfText({"[Timing]", "IntervalMin=60", "IntervalMax=90", "[General]",
                                             "StartWithWindows=0", "[Messages]", "Count=1", "M1=Hello"}));
    WriteRunValue("Halcyra", std::nullopt);
    LaunchToTray();

    HWND dialog = OpenByDoubleClick();
    // A file without the two keys loads both boxes ticked; unticked, they are saved as 0.
    const std::pair<SettingsControl, const char*> options[] = {
        {chkPauseBusy, "Pause while a full-screen program or a presentation runs"},
        {chkHideCapture, "Keep messages out of screenshots and screen sharing"}};
    for (const auto& [box, text] : options) {
        EXPECT_EQ(TextOf(GetDlgItem(dialog, box)), text);
        EXPECT_EQ(SendDlgItemMessageA(dialog, box, BM_GETCHECK, 0, 0), BST_CHECKED) << text;
        ClickAt(CentreOf(GetDlgItem(dialog, box)));
    }
    TypeInto(dialog, txtIntMin, "2");
    TypeInto(dialog, txtIntMax, "7");
    ClickAt(CentreOf(GetDlgItem(dialog, chkStartWindows)));
    ClickAt(CentreOf(GetDlgItem(dialog, cmdSave)));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }, kActionTimeoutMs)) << "Save did not close the dialog";
    const std::string saved = ReadBytes(SettingsPath());
    EXPECT_NE(saved.find("\nIntervalMin=2\r\nIntervalMax=7\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\nStartWithWindows=1\r\nStartActive=0\r\nPauseWhenBusy=0\r\nHideFromCapture=0\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(ReadRunValue("Halcyra"), "\"" + ExePath() + "\"");

    dialog = OpenByDoubleClick();
    EXPECT_EQ(TextOf(GetDlgItem(dialog, txtIntMin)) + " " + TextOf(GetDlgItem(dialog, txtIntMax)), "2 7");
    EXPECT_EQ(SendDlgItemMessageA(dialog, chkStartWindows, BM_GETCHECK, 0, 0), BST_CHECKED);
    TypeInto(dialog, txtIntMin, "42");
    // The tray window beside its icons, to put another program in front.
    const HWND tray = GetParent(TrayIcon(kActionTimeoutMs));
    ClickAt({RectOf(tray).right - 10, CentreOf(tray).y});
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == tray; }, kActionTimeoutMs));
    EXPECT_EQ(OpenByDoubleClick(), dialog) << "a second double click brings the same one forward";
    EXPECT_EQ(program->Windows(kSettingsWindowClass).size(), 1u);

    // Should the closing dialog register the hotkeys again, this would make it say so.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB003, MOD_CONTROL | MOD_ALT, 'S'));
    ChooseFromTrayMenu('X');
    EXPECT_TRUE(program->WaitForExit(kActionTimeoutMs)) << program->Windows("#32770").size() << " boxes open";
    UnregisterHotKey(nullptr, 0xB003);
    EXPECT_EQ(ReadBytes(SettingsPath()), saved);
}
