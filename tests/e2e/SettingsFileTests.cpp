#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/IniLines.h"
#include "tests/e2e/driver/RunKey.h"
#include "tests/e2e/driver/Wait.h"

#include <filesystem>
#include <vector>

namespace {

const std::vector<std::string> kDefaultFile = {
    "[Timing]",         "IntervalMin=5",      "IntervalMax=20",     "DurationMs=100",
    "[Look]",           "FontName=Arial",     "FontSizeMin=28",     "FontSizeMax=48",
    "Bold=1",           "Color=16777215",     "RandomColor=0",      "Opacity=230",
    "AllMonitors=1",    "[General]",          "StartWithWindows=1", "StartActive=0",
    "[Hotkeys]",        "StartMod=3",         "StartKey=83",        "StopMod=3",
    "StopKey=88",       "[Messages]",         "Count=5",            "M1=You are calm",
    "M2=You are confident", "M3=You can do this", "M4=Stay focused", "M5=Drink some water",
};

// A settings file of the earlier edition, told apart from the defaults by every value.
const std::string kLegacyFile = IniText({
    "[Timing]", "IntervalMin=7", "IntervalMax=9", "DurationMs=250", "[General]", "StartWithWindows=0",
    "[Messages]", "Count=1", "M1=Carried over",
});

}  // namespace

using SettingsFile = E2eTest;

TEST_F(SettingsFile, TheFirstRunWritesTheDefaultsAndEntersTheQuotedPathInTheRunKey)
{
    WriteRunValue("Brindlewick", "\"C:\\Old\\brindlewick.exe\"");
    LaunchToTray();

    const auto written = ReadFileBytes(sandbox.SettingsPath());
    ASSERT_TRUE(written.has_value()) << sandbox.SettingsPath();
    EXPECT_EQ(CrLfLines(*written), kDefaultFile);
    EXPECT_EQ(ReadRunValue("Halcyra"), "\"" + sandbox.ExePath() + "\"");
    EXPECT_EQ(ReadRunValue("Brindlewick"), std::nullopt);
}

TEST_F(SettingsFile, WithoutAppDataTheSettingsFolderIsBesideTheProgram)
{
    LaunchWith(std::nullopt);
    ASSERT_TRUE(program->WaitForIdle(kStartTimeoutMs));
    ASSERT_TRUE(WaitForHalcyraIcon(kStartTimeoutMs).has_value());

    const auto written = ReadFileBytes(sandbox.ExeFolder() + "\\Halcyra\\settings.ini");
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(CrLfLines(*written), kDefaultFile);
    EXPECT_TRUE(FolderListing(sandbox.AppData()).empty());
}

TEST_F(SettingsFile, TheEarlierEditionsFileIsTakenOverWhenThereIsNone)
{
    WriteFileBytes(sandbox.LegacyPath(), kLegacyFile);
    LaunchToTray();

    EXPECT_EQ(ReadFileBytes(sandbox.SettingsPath()), kLegacyFile) << "copied as it is, not rewritten";
    EXPECT_EQ(ReadFileBytes(sandbox.LegacyPath()), kLegacyFile) << "the earlier file stays where it is";
    EXPECT_EQ(ReadRunValue("Halcyra"), std::nullopt) << "its StartWithWindows=0 was loaded";
}

TEST_F(SettingsFile, TheEarlierEditionsFileNeverReplacesAnExistingOne)
{
    const std::string own = IniText({"[General]", "StartWithWindows=0", "[Messages]", "Count=1", "M1=Mine"});
    WriteSettings(own);
    WriteFileBytes(sandbox.LegacyPath(), kLegacyFile);
    // Newer than the program's own file: age must not matter.
    std::filesystem::last_write_time(sandbox.LegacyPath(),
                                     std::filesystem::last_write_time(sandbox.SettingsPath()) + std::chrono::hours(1));
    LaunchToTray();

    EXPECT_EQ(ReadFileBytes(sandbox.SettingsPath()), own);
    EXPECT_EQ(ReadFileBytes(sandbox.LegacyPath()), kLegacyFile);
}

TEST_F(SettingsFile, StartWithWindowsOffLeavesTheRunKeyAlone)
{
    WriteRunValue("Halcyra", "left as it was");
    WriteRunValue("Brindlewick", "also left");
    WriteSettings(IniText({"[General]", "StartWithWindows=0"}));
    LaunchToTray();

    EXPECT_EQ(ReadRunValue("Halcyra"), "left as it was");
    EXPECT_EQ(ReadRunValue("Brindlewick"), "also left");
}
