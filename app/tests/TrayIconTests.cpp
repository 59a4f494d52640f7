#include "app/TrayIcon.h"

#include "app/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <string>

TEST(TrayIcon, TheRecordIsTheShellsFirstLayoutFilledForTheWindow)
{
    TestWindow window;
    TrayIcon tray;
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32516));  // IDI_INFORMATION
    tray.Add(window.get(), icon, "Halcyra - stopped");
    const NOTIFYICONDATAA& r = tray.Record();
    EXPECT_EQ(r.cbSize, sizeof(void*) == 8 ? 104u : 88u);
    EXPECT_EQ(r.hWnd, window.get());
    EXPECT_EQ(r.uID, 1u);
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 0x464u);
    EXPECT_EQ(r.hIcon, icon);
    EXPECT_EQ(std::string(r.szTip, 64), "Halcyra - stopped" + std::string(1, '\0') + std::string(46, ' '));

    tray.Add(window.get(), nullptr, "Halcyra - stopped");
    EXPECT_EQ(tray.Record().hIcon, icon);
    tray.ChangeTip("Halcyra - running");
    EXPECT_STREQ(tray.Record().szTip, "Halcyra - running");
    tray.Delete();
}
