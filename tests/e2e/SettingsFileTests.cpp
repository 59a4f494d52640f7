#include "tests/e2e/driver/E2eTest.h"

#include "settings/tests/DefaultFile.h"

namespace {

// A settings file of the earlier edition, told apart from the defaults by every value.
const std::string kLegacyFile = CrLfText({"[Timing]", "IntervalMin=7", "IntervalMax=9", "DurationMs=250",
                                          "[General]", "StartWithWindows=0", "[Messages]", "Count=1",
                                          "M1=Carried over"});

std::vector<std::pair<const char*, std::string>> HostileFiles()
{
    // Every byte value, NUL, lone CR and LF, brackets and '=' included, in a fixed order.
    std::string binary = "[Timing]\r\nIntervalMin=";
    for (uint32_t i = 0, state = 12345; i < 64 * 1024; ++i)
        binary.push_back(static_cast<char>((state = state * 1103515245u + 12345u) >> 24));
    const std::string megabyte(1 << 20, 'm');
    return {
        {"binary bytes", binary},
        {"megabyte lines",
         CrLfText({"[General]", "StartWithWindows=0", "[Timing]", "IntervalMin=" + std::string(1 << 20, '9'),
                   megabyte, "[" + megabyte + "]", "[Messages]", "Count=2", "M1=" + megabyte, "M2=short"})},
        {"huge Count", CrLfText({"[General]", "StartWithWindows=0", "[Messages]", "Count=1e308", "M1=only one"})},
        {"overflowing numbers",
         CrLfText({"[General]", "StartWithWindows=0", "StartActive=1e999", "[Timing]", "IntervalMin=1e309",
                   "IntervalMax=-1e309", "DurationMs=99999999999999999999999", "[Look]",
                   "FontSizeMin=&HFFFFFFFFFFFFFFFFFFFFFFFF", "FontSizeMax=-&O777777777777777777777777", "Color=1e300",
                   "Opacity=-2147483649", "Bold=1e-400", "[Hotkeys]", "StartMod=4294967296", "StartKey=1e20",
                   "StopMod=-1e20", "StopKey=2147483648", "[Messages]", "Count=&HFFFFFFFFFFFFFFFF", "M1=still here"})},
        {"odd values",
         CrLfText({"[General]", "StartWithWindows=\"0\"", "StartActive=", "[Look]", "FontName=", "FontSizeMin=-5",
                   "FontSizeMax=2", "Opacity=' 12 '", "[Timing]", "IntervalMin=9", "IntervalMin=3", "IntervalMax=1",
                   "[Messages]", "Count=3", "M1=", "M3=  \"quoted\"  "})},
    };
}

}  // namespace

using SettingsFile = E2eTest;

TEST_F(SettingsFile, TheFirstRunWritesTheDefaultsAndEntersTheQuotedPathInTheRunKey)
{
    WriteRunValue("Brindlewick", "\"C:\\Old\\brindlewick.exe\"");
    LaunchToTray();

    EXPECT_EQ(ReadBytes(SettingsPath()), kDefaultFile);
    EXPECT_EQ(ReadRunValue("Halcyra"), "\"" + ExePath() + "\"");
    EXPECT_EQ(ReadRunValue("Brindlewick"), std::nullopt);
}

TEST_F(SettingsFile, TheEarlierEditionsFileIsTakenOverAndItsStartWithWindowsOffLeavesTheRunKeyAlone)
{
    WriteRunValue("Halcyra", "left as it was");
    WriteRunValue("Brindlewick", "also left");
    WriteBytes(LegacyPath(), kLegacyFile);
    LaunchToTray();

    EXPECT_EQ(ReadBytes(SettingsPath()), kLegacyFile) << "copied as it is, not rewritten";
    EXPECT_EQ(ReadBytes(LegacyPath()), kLegacyFile) << "the earlier file stays where it is";
    EXPECT_EQ(ReadRunValue("Halcyra"), "left as it was");
    EXPECT_EQ(ReadRunValue("Brindlewick"), "also left");
}

TEST_F(SettingsFile, HostileFilesStartWithoutCrashHangOrWriteAndTheEarlierEditionsNeverReplacesThem)
{
    for (const auto& [name, content] : HostileFiles()) {
        SCOPED_TRACE(name);
        WriteBytes(SettingsPath(), content);
        // Written after the program's own, so newer: age must not matter.
        WriteBytes(LegacyPath(), kLegacyFile);
        LaunchToTray();
        // Numbers the program cannot hold may leave a hotkey that the system refuses; that is
        // reported in the usual box, which is not a failure here.
        for (HWND box : program->Windows("#32770"))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_FALSE(program->WaitForExit(0)) << "it ended by itself";
        EXPECT_TRUE(ReadBytes(SettingsPath()) == content) << "the settings file was changed";
        namespace fs = std::filesystem;
        EXPECT_EQ(std::distance(fs::recursive_directory_iterator(AppData()), {}), 4) << "two folders, two files";
        ChooseFromTrayMenu('X');
        ASSERT_TRUE(program->WaitForExit(kActionTimeoutMs)) << "it still runs after Exit";
    }
}
