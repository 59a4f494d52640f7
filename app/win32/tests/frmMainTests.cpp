#include "app/win32/frmMain.h"

#include "app/win32/TrayIcon.h"
#include "flash/win32/frmFlash.h"
#include "platform/AppExiting.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

TEST(MainForm, AnExitAskedForOnceShutdownHasBegunLeavesTheWindowsToIt)
{
    gSettings = DefaultSettings();
    {
        frmFlash flash(GetModuleHandleA(nullptr));
        frmMain form(GetModuleHandleA(nullptr), flash, TimerResolution());
        // As the first exit leaves it while it closes the other windows.
        AppExiting = true;
        form.ExitApp();
        EXPECT_NE(form.Handle(), nullptr);
        EXPECT_NE(flash.Handle(), nullptr);
        AppExiting = false;
    }
    MSG quit;  // which the destroyed main form leaves behind
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

TEST(TrayIcon, ATipChangeAddsTheIconAgainWhenTheShellNoLongerKnowsIt)
{
    const HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    {
        TrayIcon tray;
        tray.Add(owner, LoadIconA(nullptr, IDI_APPLICATION), "Halcyra - stopped");
        NOTIFYICONDATAA record = tray.Record();
        ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &record)) << "this shell keeps no icons";
        ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));
        ASSERT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &record));
        tray.ChangeTip("Halcyra - running");
        EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &record));
    }
    DestroyWindow(owner);
}
