#include "hotkeys/win32/modHotkey.h"

#include "settings/Settings.h"

#include <gtest/gtest.h>

// The window owns the registrations; the thread plays the other program.
TEST(RegisterHotkeys, ACombinationHeldElsewhereIsReportedAndTheOtherStillRegistered)
{
    gSettings = DefaultSettings();
    const HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_EQ(RegisterHotkeys(owner),
              "These hotkeys could not be registered (probably already used by another program):\r\n\r\n"
              "  Ctrl+Alt+S  (start)\r\n\r\nChoose different ones in Settings.");
    UnregisterHotKey(nullptr, 1);
    EXPECT_FALSE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_ALT, 'X'));
    UnregisterHotkeys(owner);
    EXPECT_TRUE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_ALT, 'X'));
    UnregisterHotKey(nullptr, 2);
    DestroyWindow(owner);
}

TEST(LayoutKeyName, NamesKeysOutsideTheProgramsTableFromTheKeyboardLayout)
{
    EXPECT_EQ(HotkeyText(MOD_CONTROL, VK_TAB), "Ctrl+Tab");
    EXPECT_EQ(KeyName(255), "Key255");
}
