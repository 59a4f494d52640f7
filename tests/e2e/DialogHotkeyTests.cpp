#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Menus.h"
#include "tests/e2e/driver/Wait.h"

using DialogHotkeys = DialogTest;

TEST_F(DialogHotkeys, CtrlAltSCapturedInBothBoxesIsOneToggleHotkeyAfterSave)
{
    auto lines = WithValue(KnownSettingsLines(), "StartMod", "0");
    lines = WithValue(lines, "StartKey", "0");
    const SettingsDialog dialog = LaunchAndOpen(lines);
    ASSERT_EQ(dialog.Text(txtHkStart), "(none)");

    dialog.Click(txtHkStart);
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(dialog.WaitForText(txtHkStart, "Ctrl+Alt+S", kActionTimeoutMs));
    PressChord({'S'});
    TypeText("abc");
    EXPECT_FALSE(WaitUntil([&] { return dialog.Text(txtHkStart) != "Ctrl+Alt+S"; }, 300))
        << "keys without a modifier change nothing";
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S')) << "nothing is registered before Save";
    dialog.Click(txtHkStop);
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    ASSERT_TRUE(dialog.WaitForText(txtHkStop, "Ctrl+Alt+S", kActionTimeoutMs));
    SaveAndWaitClosed(dialog);

    lines = WithValue(lines, "StartMod", "3");
    lines = WithValue(lines, "StartKey", "83");
    EXPECT_EQ(CrLfLines(SettingsText()), WithValue(lines, "StopKey", "83"));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'X')) << "the old stop hotkey is gone";
    EXPECT_TRUE(MenuLooksLike(OpenTrayMenu(), ExpectedTrayMenu(false, "&Start\tCtrl+Alt+S", "S&top\tCtrl+Alt+S"),
                              "dialog-menu-toggle"));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
}
