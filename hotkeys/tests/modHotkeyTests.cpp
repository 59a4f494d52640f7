#include "hotkeys/modHotkey.h"

#include "app/WindowHook.h"
#include "app/tests/TestWindow.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

// The hooked window owns the registrations; another window plays the other program.
class RegisterHotkeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSettings = DefaultSettings();
        HookWindow(owner.get());
    }
    void TearDown() override
    {
        UnregisterHotkeys();
        UnhookWindow();
        for (int id = 1; id <= 3; ++id)
            UnregisterHotKey(otherProgram.get(), id);
    }

    bool OtherProgramCanTake(int id, UINT mods, UINT key)
    {
        const bool taken = RegisterHotKey(otherProgram.get(), id, mods, key);
        if (taken)
            UnregisterHotKey(otherProgram.get(), id);
        return taken;
    }

    TestWindow owner;
    TestWindow otherProgram;
};

}  // namespace

TEST_F(RegisterHotkeysTest, HoldsBothDefaultsUntilUnregistered)
{
    EXPECT_EQ(RegisterHotkeys(), "");
    EXPECT_FALSE(OtherProgramCanTake(1, MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_FALSE(OtherProgramCanTake(1, MOD_CONTROL | MOD_ALT, 'X'));
    UnregisterHotkeys();
    EXPECT_TRUE(OtherProgramCanTake(1, MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_TRUE(OtherProgramCanTake(1, MOD_CONTROL | MOD_ALT, 'X'));
}

TEST_F(RegisterHotkeysTest, ACombinationHeldElsewhereIsReportedAndTheOtherStillRegistered)
{
    ASSERT_TRUE(RegisterHotKey(otherProgram.get(), 1, MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_EQ(RegisterHotkeys(),
              "These hotkeys could not be registered (probably already used by another program):\r\n\r\n"
              "  Ctrl+Alt+S  (start)\r\n\r\nChoose different ones in Settings.");
    EXPECT_FALSE(OtherProgramCanTake(2, MOD_CONTROL | MOD_ALT, 'X'));
}

TEST_F(RegisterHotkeysTest, RegisteringAgainReplacesTheEarlierRegistrations)
{
    EXPECT_EQ(RegisterHotkeys(), "");
    gSettings.StartKey = 0;
    EXPECT_EQ(RegisterHotkeys(), "");
    EXPECT_TRUE(OtherProgramCanTake(1, MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_FALSE(OtherProgramCanTake(1, MOD_CONTROL | MOD_ALT, 'X'));
}

TEST(LayoutKeyName, NamesKeysOutsideTheProgramsTableFromTheKeyboardLayout)
{
    EXPECT_EQ(KeyName(VK_TAB), "Tab");
    EXPECT_EQ(HotkeyText(MOD_CONTROL, VK_TAB), "Ctrl+Tab");
    EXPECT_EQ(KeyName(255), "Key255");
    EXPECT_EQ(HotkeyText(3, 83), "Ctrl+Alt+S");
}
