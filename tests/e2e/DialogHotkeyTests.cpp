#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/IniLines.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Menus.h"
#include "tests/e2e/driver/MessageBoxes.h"
#include "tests/e2e/driver/Wait.h"

namespace {

// The box keeps its text for a while after a key press that must change nothing.
bool KeepsText(const SettingsDialog& dialog, SettingsControl box, const std::string& text)
{
    return !WaitUntil([&] { return dialog.Text(box) != text; }, 300);
}

}  // namespace

using DialogHotkeys = DialogTest;

TEST_F(DialogHotkeys, CtrlAltSPressedInTheStartBoxIsTheStartHotkeyAfterSave)
{
    auto lines = WithValue(KnownSettingsLines(), "StartMod", "0");
    lines = WithValue(lines, "StartKey", "0");
    const SettingsDialog dialog = LaunchAndOpen(JoinLines(lines));
    ASSERT_EQ(dialog.Text(txtHkStart), "(none)");

    dialog.Click(txtHkStart);
    {
        const HeldKeys modifiers({VK_CONTROL, VK_MENU});
        EXPECT_TRUE(KeepsText(dialog, txtHkStart, "(none)")) << "modifiers alone wait for the key";
        PressChord({'S'});
        EXPECT_TRUE(dialog.WaitForText(txtHkStart, "Ctrl+Alt+S", kActionTimeoutMs));
    }
    PressChord({'S'});
    TypeText("abc");
    PressChord({VK_RETURN});
    EXPECT_TRUE(KeepsText(dialog, txtHkStart, "Ctrl+Alt+S")) << "keys without a modifier are refused";
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S')) << "nothing is registered before Save";

    SaveAndWaitClosed(dialog);
    EXPECT_EQ(IniValue(SettingsText(), "Hotkeys", "StartMod"), "3");
    EXPECT_EQ(IniValue(SettingsText(), "Hotkeys", "StartKey"), "83");
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_TRUE(MenuLooksLike(OpenTrayMenu(), ExpectedTrayMenu(false, "&Start\tCtrl+Alt+S", "S&top\tCtrl+Alt+X"),
                              "dialog-menu-after-save"));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
}

TEST_F(DialogHotkeys, TheSameCombinationInBothBoxesBecomesOneToggleHotkey)
{
    const SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    dialog.Click(txtHkStop);
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    ASSERT_TRUE(dialog.WaitForText(txtHkStop, "Ctrl+Alt+S", kActionTimeoutMs));
    SaveAndWaitClosed(dialog);

    EXPECT_EQ(IniValue(SettingsText(), "Hotkeys", "StopMod"), "3");
    EXPECT_EQ(IniValue(SettingsText(), "Hotkeys", "StopKey"), "83");
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'X'));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
    EXPECT_TRUE(MenuLooksLike(OpenTrayMenu(), ExpectedTrayMenu(false, "&Start\tCtrl+Alt+S", "S&top\tCtrl+Alt+S"),
                              "dialog-menu-toggle"));
}

TEST_F(DialogHotkeys, AHotkeyHeldElsewhereIsReportedOnceAsTheDialogClosesAfterSaving)
{
    const SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB004, MOD_CONTROL | MOD_ALT, 'X'));
    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "61"));
    dialog.Click(cmdSave);

    const auto box = WaitForMessageBox(*program, kActionTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "Halcyra");
    EXPECT_EQ(box->text,
              "These hotkeys could not be registered (probably already used by another program):\r\n\r\n"
              "  Ctrl+Alt+X  (stop)\r\n\r\nChoose different ones in Settings.");
    EXPECT_EQ(IniValue(SettingsText(), "Timing", "IntervalMin"), "61") << "already stored";
    ASSERT_TRUE(DismissMessageBox(*box));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }, kActionTimeoutMs));
    EXPECT_FALSE(WaitForMessageBox(*program, 500).has_value()) << "one message only";
    UnregisterHotKey(nullptr, 0xB004);
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S')) << "the other hotkey is registered";
}
