#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Wait.h"

using Taskbar = E2eTest;

TEST_F(Taskbar, TheIconComesBackWithItsCurrentTipWhenTheTrayIsRecreated)
{
    WriteSettings(IniText({"[General]", "StartWithWindows=0"}));
    LaunchToTray();
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));

    // A restarted shell has no icons; it says so with the "TaskbarCreated" broadcast.
    RemoveTrayIcon(program->MainWindow(), 1);
    ASSERT_TRUE(WaitUntil([] { return TrayIconsWithTip("Halcyra").empty(); }, kActionTimeoutMs));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);

    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    EXPECT_NE(OpenTrayMenu(), nullptr) << "the returned icon still answers the right button";
    PressChord({VK_ESCAPE});
}
