#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

#include <filesystem>

namespace {

const std::string kQuietSettings = IniText({"[General]", "StartWithWindows=0"});

}  // namespace

using Startup = E2eTest;

TEST_F(Startup, TheIconAppearsStoppedAndASecondLaunchEndsAtOnceAddingNothing)
{
    WriteSettings(kQuietSettings);
    const TrayIcon icon = LaunchToTray();
    EXPECT_EQ(icon.tip, "Halcyra - stopped");

    // A tooltip needs the pointer to arrive over the icon, not merely to be there already.
    MoveMouse({0, 0});
    MoveMouse(CentreOf(icon.window));
    EXPECT_TRUE(WaitUntil([] { return VisibleTrayTip() == "Halcyra - stopped"; }, kActionTimeoutMs))
        << "hovering the icon shows its tip";
    SaveEvidence("startup-tray-tip");

    const std::string otherAppData = sandbox.Root() + "\\Second AppData";
    std::filesystem::create_directories(otherAppData);
    const Program second(sandbox.ExePath(), otherAppData);
    EXPECT_TRUE(second.WaitForExit(5000)) << "a second launch must end by itself";
    EXPECT_TRUE(second.VisibleDialogs().empty());
    EXPECT_TRUE(FolderListing(otherAppData).empty()) << "a second launch must not touch any settings";
    EXPECT_EQ(TrayIconsWithTip("Halcyra").size(), 1u);
    EXPECT_FALSE(program->HasExited());
}

TEST_F(Startup, ExitFromTheTrayMenuEndsTheProgramTakesTheIconAndFreesTheHotkeys)
{
    WriteSettings(kQuietSettings);
    LaunchToTray();
    ASSERT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));

    ExitFromTrayMenu();

    EXPECT_TRUE(WaitUntil([] { return TrayIconsWithTip("Halcyra").empty(); }, kActionTimeoutMs));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'X'));
}
