#include "hotkeys/win32/modHotkey.h"

#include "settings/Settings.h"

#include <gtest/gtest.h>

// The window owns the registrations; the thread plays the other program.
TEST(Hotkeys, AreHeldByTheWindowButWhereTakenElsewhereAndNamedByTheLayout) {
    gSettings = DefaultSettings();
    const HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_NE(RegisterHotkeys(owner).find("\r\n  Ctrl+Alt+S  (start)\r\n\r\n"), std::string::npos);
    UnregisterHotKey(nullptr, 1);
    EXPECT_FALSE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_ALT, 'X')) << "the stop hotkey is the window's";
    UnregisterHotkeys(owner);
    EXPECT_TRUE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_ALT, 'X'));
    UnregisterHotKey(nullptr, 2);
    DestroyWindow(owner);
    EXPECT_EQ(HotkeyText(MOD_CONTROL, VK_TAB), "Ctrl+Tab") << "a key outside the program's own table";
}
