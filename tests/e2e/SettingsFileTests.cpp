#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Wait.h"

#include <cstdint>
#include <filesystem>

namespace {

const std::vector<std::string> kDefaultFile = {
    "[Timing]", "IntervalMin=5", "IntervalMax=20", "DurationMs=100",
    "[Look]", "FontName=Arial", "FontSizeMin=28", "FontSizeMax=48", "Bold=1", "Color=16777215", "RandomColor=0",
    "Opacity=230", "AllMonitors=1",
    "[General]", "StartWithWindows=1", "StartActive=0",
    "[Hotkeys]", "StartMod=3", "StartKey=83", "StopMod=3", "StopKey=88",
    "[Messages]", "Count=5", "M1=You are calm", "M2=You are confident", "M3=You can do this", "M4=Stay focused",
    "M5=Drink some water",
};

// A settings file of the earlier edition, told apart from the defaults by every value.
const std::string kLegacyFile = CrLfText({"[Timing]", "IntervalMin=7", "IntervalMax=9", "DurationMs=250",
                                          "[General]", "StartWithWindows=0", "[Messages]", "Count=1",
                                          "M1=Carried over"});

}  // namespace

using SettingsFile = E2eTest;

TEST_F(SettingsFile, TheFirstRunWritesTheDefaultsAndEntersTheQuotedPathInTheRunKey)
{
    WriteRunValue("Brindlewick", "\"C:\\Old\\brindlewick.exe\"");
    LaunchToTray();

    EXPECT_EQ(CrLfLines(ReadFileBytes(SettingsPath()).value_or("")), kDefaultFile);
    EXPECT_EQ(ReadRunValue("Halcyra"), "\"" + ExePath() + "\"");
    EXPECT_EQ(ReadRunValue("Brindlewick"), std::nullopt);
}

TEST_F(SettingsFile, TheEarlierEditionsFileIsTakenOverAndItsStartWithWindowsOffLeavesTheRunKeyAlone)
{
    WriteRunValue("Halcyra", "left as it was");
    WriteRunValue("Brindlewick", "also left");
    WriteFileBytes(LegacyPath(), kLegacyFile);
    LaunchToTray();

    EXPECT_EQ(ReadFileBytes(SettingsPath()), kLegacyFile) << "copied as it is, not rewritten";
    EXPECT_EQ(ReadFileBytes(LegacyPath()), kLegacyFile) << "the earlier file stays where it is";
    EXPECT_EQ(ReadRunValue("Halcyra"), "left as it was");
    EXPECT_EQ(ReadRunValue("Brindlewick"), "also left");
}

TEST_F(SettingsFile, TheEarlierEditionsFileNeverReplacesAnExistingOne)
{
    const std::string own = CrLfText({"[General]", "StartWithWindows=0", "[Messages]", "Count=1", "M1=Mine"});
    WriteSettings(own);
    WriteFileBytes(LegacyPath(), kLegacyFile);
    // Newer than the program's own file: age must not matter.
    std::filesystem::last_write_time(LegacyPath(),
                                     std::filesystem::last_write_time(SettingsPath()) + std::chrono::hours(1));
    LaunchToTray();

    EXPECT_EQ(ReadFileBytes(SettingsPath()), own);
    EXPECT_EQ(ReadFileBytes(LegacyPath()), kLegacyFile);
}

namespace {

// Every byte value, NUL, lone CR and LF, brackets and '=' included, in a fixed order.
std::string BinaryBytes()
{
    std::string bytes = "[Timing]\r\nIntervalMin=";
    uint32_t state = 12345;
    for (int i = 0; i < 64 * 1024; ++i) {
        state = state * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(state >> 24));
    }
    return bytes;
}

const std::string kMegabyte(1 << 20, 'm');

const std::pair<const char*, std::string> kHostileFiles[] = {
    {"BinaryBytes", BinaryBytes()},
    {"MegabyteLines",
     CrLfText({"[General]", "StartWithWindows=0", "[Timing]", "IntervalMin=" + std::string(1 << 20, '9'), kMegabyte,
               "[" + kMegabyte + "]", "[Messages]", "Count=2", "M1=" + kMegabyte, "M2=short"})},
    {"HugeCount", CrLfText({"[General]", "StartWithWindows=0", "[Messages]", "Count=1e308", "M1=only one"})},
    {"OverflowingNumbers",
     CrLfText({"[General]", "StartWithWindows=0", "StartActive=1e999", "[Timing]", "IntervalMin=1e309",
               "IntervalMax=-1e309", "DurationMs=99999999999999999999999", "[Look]",
               "FontSizeMin=&HFFFFFFFFFFFFFFFFFFFFFFFF", "FontSizeMax=-&O777777777777777777777777", "Color=1e300",
               "Opacity=-2147483649", "Bold=1e-400", "[Hotkeys]", "StartMod=4294967296", "StartKey=1e20",
               "StopMod=-1e20", "StopKey=2147483648", "[Messages]", "Count=&HFFFFFFFFFFFFFFFF", "M1=still here"})},
    {"OddValues",
     CrLfText({"[General]", "StartWithWindows=\"0\"", "StartActive=", "[Look]", "FontName=", "FontSizeMin=-5",
               "FontSizeMax=2", "Opacity=' 12 '", "[Timing]", "IntervalMin=9", "IntervalMin=3", "IntervalMax=1",
               "[Messages]", "Count=3", "M1=", "M3=  \"quoted\"  "})},
};

}  // namespace

class HostileSettingsFile : public E2eTest, public testing::WithParamInterface<std::pair<const char*, std::string>> {};

TEST_P(HostileSettingsFile, StartsWithoutCrashHangOrWrite)
{
    const std::string& content = GetParam().second;
    WriteSettings(content);
    const auto before = FolderListing(AppData());

    Launch();
    ASSERT_TRUE(program->WaitForIdle(kStartTimeoutMs)) << "start-up hangs";
    ASSERT_TRUE(WaitForHalcyraIcon(kStartTimeoutMs).has_value()) << "no icon; exited: " << program->HasExited();
    // Numbers the program cannot hold may leave a hotkey that the system refuses; that is
    // reported in the usual box, which is not a failure here.
    for (HWND box : program->Windows("#32770")) {
        EXPECT_EQ(TextOf(box), "Halcyra");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindowVisible(box); }, kActionTimeoutMs);
    }

    EXPECT_FALSE(program->HasExited());
    EXPECT_TRUE(ReadFileBytes(SettingsPath()) == content) << "the settings file was changed";
    EXPECT_EQ(FolderListing(AppData()), before);
    ExitFromTrayMenu();
}

INSTANTIATE_TEST_SUITE_P(Files, HostileSettingsFile, testing::ValuesIn(kHostileFiles),
                         [](const auto& info) { return std::string(info.param.first); });
