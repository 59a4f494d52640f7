#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/FlashWatch.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Menus.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

namespace {

const std::string kStart = "&Start\tCtrl+Alt+S";
const std::string kStop = "S&top\tCtrl+Alt+X";

}  // namespace

using TrayMenu = E2eTest;

TEST_F(TrayMenu, OpensAtTheCursorShowingTheStateAndTheHotkeyTexts)
{
    WriteSettings(IniText({"[General]", "StartWithWindows=0"}));
    const TrayIcon icon = LaunchToTray();

    const HWND stoppedMenu = OpenTrayMenu();
    const POINT cursor = CentreOf(icon.window);
    EXPECT_EQ(RectOf(stoppedMenu).left, cursor.x);
    EXPECT_EQ(RectOf(stoppedMenu).top, cursor.y);
    EXPECT_TRUE(MenuLooksLike(stoppedMenu, ExpectedTrayMenu(false, kStart, kStop), "menu-stopped"));
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "dismissing the menu changes nothing";

    ChooseFromTrayMenu('S');
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    EXPECT_TRUE(MenuLooksLike(OpenTrayMenu(), ExpectedTrayMenu(true, kStart, kStop), "menu-running"));

    ChooseFromTrayMenu('T');
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
}

TEST_F(TrayMenu, AClickOnStartStartsFlashing)
{
    WriteSettings(IniText({"[General]", "StartWithWindows=0"}));
    const TrayIcon icon = LaunchToTray();
    const POINT cursor = CentreOf(icon.window);
    RECT startItem;
    {
        const ReferenceMenu reference(ExpectedTrayMenu(false, kStart, kStop), cursor);
        startItem = reference.ItemRect(0);
    }
    OpenTrayMenu();
    LeftClickAt({(startItem.left + startItem.right) / 2, (startItem.top + startItem.bottom) / 2});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
}

TEST_F(TrayMenu, ShowOneNowFlashesOneMessageWhileStopped)
{
    WriteSettings(IniText({"[Timing]", "IntervalMin=1", "IntervalMax=1", "DurationMs=300", "[General]",
                           "StartWithWindows=0", "[Messages]", "Count=1", "M1=Just once"}));
    LaunchToTray();
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);

    OpenTrayMenu();
    PressChord({'N'});
    const auto sightings = WatchFlashes(flash, 2500);

    ASSERT_EQ(sightings.size(), 1u);
    EXPECT_TRUE(sightings[0].showEdgeSeen);
    EXPECT_NEAR(sightings[0].VisibleMs(), 300, 60);
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", 0));
}
