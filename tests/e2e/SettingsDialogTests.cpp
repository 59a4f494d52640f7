#include "tests/e2e/driver/E2eTest.h"

#include "dialog/SettingsControls.h"

class SettingsDialog : public E2eTest {
protected:
    // Opens the dialog as a user does and waits until it is in front.
    HWND OpenByDoubleClick()
    {
        const HWND icon = WaitForHalcyraIcon(kActionTimeoutMs);
        Require(icon != nullptr, "no Halcyra icon to double-click");
        ClickAt(CentreOf(icon), 2);
        HWND dialog = nullptr;
        const auto inFront = [&] { return (dialog = program->Window(kSettingsWindowClass)) && dialog == GetForegroundWindow(); };
        Require(WaitUntil(inFront, kActionTimeoutMs),
                "a double click on the icon brought no settings dialog to the front");
        // Only settles: the window manager refuses the X focus when another window has taken
        // it since the click on the tray; typing then fails with its own message.
        WaitForKeyboard(dialog, kActionTimeoutMs);
        return dialog;
    }
    // Clicks into a box, selects all it holds with the keyboard and types digits, whose key
    // codes are their characters, over it.
    static testing::AssertionResult TypeInto(HWND dialog, SettingsControl id, const std::string& digits)
    {
        ClickAt(CentreOf(GetDlgItem(dialog, id)));
        PressChord({VK_CONTROL, VK_HOME});
        PressChord({VK_CONTROL, VK_SHIFT, VK_END});
        for (char digit : digits)
            PressChord({WORD(digit)});
        if (WaitUntil([&] { return TextOf(GetDlgItem(dialog, id)) == digits; }, 2000))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "typed into " << id << " but it shows " << TextOf(GetDlgItem(dialog, id));
    }
    std::string Saved(const char* section, const char* key) const
    {
        char value[64] = {};
        GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, SettingsPath().c_str());
        return value;
    }
};

TEST_F(SettingsDialog, SavesWhatWasEditedShowsItAgainComesForwardOnceAndExitClosesItUnsaved)
{
    WriteFileBytes(SettingsPath(), CrLfText({"[Timing]", "IntervalMin=60", "IntervalMax=90", "[General]",
                                             "StartWithWindows=0", "[Messages]", "Count=1", "M1=Hello"}));
    WriteRunValue("Halcyra", std::nullopt);
    LaunchToTray();

    HWND dialog = OpenByDoubleClick();
    ASSERT_TRUE(TypeInto(dialog, txtIntMin, "2"));
    ASSERT_TRUE(TypeInto(dialog, txtIntMax, "7"));
    ClickAt(CentreOf(GetDlgItem(dialog, chkStartWindows)));
    ClickAt(CentreOf(GetDlgItem(dialog, cmdSave)));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, kActionTimeoutMs)) << "Save did not close the dialog";
    const std::string saved = ReadFileBytes(SettingsPath()).value_or("");
    EXPECT_NE(saved.find("\nIntervalMin=2\r\nIntervalMax=7\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\nStartWithWindows=1\r\n"), std::string::npos) << saved;
    EXPECT_EQ(ReadRunValue("Halcyra"), "\"" + ExePath() + "\"");

    dialog = OpenByDoubleClick();
    EXPECT_EQ(TextOf(GetDlgItem(dialog, txtIntMin)) + " " + TextOf(GetDlgItem(dialog, txtIntMax)), "2 7");
    EXPECT_EQ(SendDlgItemMessageA(dialog, chkStartWindows, BM_GETCHECK, 0, 0), BST_CHECKED);
    ASSERT_TRUE(TypeInto(dialog, txtIntMin, "42"));
    const HWND other = CreateWindowExA(0, "EDIT", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                       RectOf(dialog).left + 100, RectOf(dialog).top + 100, 300, 200, nullptr,
                                       nullptr, nullptr, nullptr);
    ClickAt(CentreOf(other));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }, kActionTimeoutMs));
    EXPECT_EQ(OpenByDoubleClick(), dialog) << "a second double click brings the same one forward";
    DestroyWindow(other);
    EXPECT_EQ(program->Windows(kSettingsWindowClass, false).size(), 1u);

    // Should the closing dialog register the hotkeys again, this would make it say so.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB003, MOD_CONTROL | MOD_ALT, 'S'));
    ChooseFromTrayMenu('X');
    EXPECT_TRUE(program->WaitForExit(kActionTimeoutMs)) << program->Windows("#32770").size() << " boxes open";
    UnregisterHotKey(nullptr, 0xB003);
    EXPECT_EQ(ReadFileBytes(SettingsPath()), saved);
}
