#include "tests/e2e/driver/E2eTest.h"

#include "settings/tests/DefaultFile.h"

using SettingsFile = E2eTest;

TEST_F(SettingsFile, TheFirstRunWritesTheDefaultsAndEntersTheQuotedPathInTheRunKey)
{
    SetRunValue("Brindlewick", "\"C:\\Old\\brindlewick.exe\"");
    Launch();

    EXPECT_EQ(ReadBytes(settingsPath), kDefaultFile);
    EXPECT_EQ(RunValue("Halcyra"), "\"" + exe + "\"");
    EXPECT_EQ(RunValue("Brindlewick"), std::nullopt);
}

TEST_F(SettingsFile, TheEarlierEditionsFileIsTakenOverOnceAndHostileFilesStartWithoutCrashHangOrWrite)
{
    // Told apart from the defaults by every value; StartWithWindows=0 must leave the Run key alone.
    const std::string legacy = "[Timing]\r\nIntervalMin=7\r\nIntervalMax=9\r\nDurationMs=250\r\n[General]\r\n"
                               "StartWithWindows=0\r\n[Messages]\r\nCount=1\r\nM1=Carried over\r\n";
    // Every byte value, NUL, lone CR and LF, brackets and '=' included, in a fixed order.
    std::string binary = "[Timing]\r\nIntervalMin=";
    for (uint32_t i = 0, state = 12345; i < 64 * 1024; ++i)
        binary.push_back(static_cast<char>((state = state * 1103515245u + 12345u) >> 24));
    const std::string mega(1 << 20, 'm');
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"only the earlier edition's", std::nullopt},
        {"binary bytes", binary},
        {"megabyte lines", "[General]\r\nStartWithWindows=0\r\n[Timing]\r\nIntervalMin=" + mega + "\r\n" + mega +
                               "\r\n[" + mega + "]\r\n[Messages]\r\nCount=2\r\nM1=" + mega + "\r\nM2=short\r\n"},
        {"huge Count", "[General]\r\nStartWithWindows=0\r\n[Messages]\r\nCount=1e308\r\nM1=only one\r\n"},
        {"overflowing numbers",
         "[General]\r\nStartWithWindows=0\r\nStartActive=1e999\r\n[Timing]\r\nIntervalMin=1e309\r\n"
         "IntervalMax=-1e309\r\nDurationMs=99999999999999999999999\r\n[Look]\r\n"
         "FontSizeMin=&HFFFFFFFFFFFFFFFFFFFFFFFF\r\nFontSizeMax=-&O777777777777777777777777\r\nColor=1e300\r\n"
         "Opacity=-2147483649\r\nBold=1e-400\r\n[Hotkeys]\r\nStartMod=4294967296\r\nStartKey=1e20\r\nStopMod=-1e20\r\n"
         "StopKey=2147483648\r\n[Messages]\r\nCount=&HFFFFFFFFFFFFFFFF\r\nM1=still here\r\n"},
        {"odd values",
         "[General]\r\nStartWithWindows=\"0\"\r\nStartActive=\r\n[Look]\r\nFontName=\r\nFontSizeMin=-5\r\n"
         "FontSizeMax=2\r\nOpacity=' 12 '\r\n[Timing]\r\nIntervalMin=9\r\nIntervalMin=3\r\nIntervalMax=1\r\n"
         "[Messages]\r\nCount=3\r\nM1=\r\nM3=  \"quoted\"  \r\n"},
    };
    SetRunValue("Halcyra", "left as it was");
    SetRunValue("Brindlewick", "also left");
    for (const auto& [name, content] : cases) {
        SCOPED_TRACE(name);
        if (content)  // none only for the first, which finds an empty folder
            WriteBytes(settingsPath, *content);
        // Written after the program's own, so newer: age must not matter.
        WriteBytes(legacyPath, legacy);
        Launch();
        // Numbers the program cannot hold may leave a hotkey that the system refuses; that is
        // reported in the usual box, which is not a failure here.
        for (HWND box : Windows("#32770"))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_FALSE(Exited(0)) << "it ended by itself";
        EXPECT_TRUE(ReadBytes(settingsPath) == content.value_or(legacy)) << "taken over byte for byte, or left alone";
        EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(appData), {}), 4) << "2 folders, 2 files";
        EXPECT_TRUE(content || (RunValue("Halcyra") == "left as it was" && RunValue("Brindlewick") == "also left"))
            << "the earlier edition's StartWithWindows=0 changed the Run key";
        ChooseFromTrayMenu('X');
        ASSERT_TRUE(Exited(kActionTimeoutMs)) << "it still runs after Exit";
    }
}
