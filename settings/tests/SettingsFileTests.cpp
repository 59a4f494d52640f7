#include "settings/SettingsFile.h"

#include "settings/tests/DefaultFile.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using List = std::vector<std::string>;

Settings Load(std::string_view text)
{
    return ReadSettings(IniDocument::Parse(text));
}

std::string Save(const Settings& settings, std::string_view over = "")
{
    IniDocument file = IniDocument::Parse(over);
    WriteSettings(settings, file);
    return file.Serialise();
}

}  // namespace

TEST(SettingsFile, AFreshFileHoldsTheDefaultsInTheirOrderAndAnEmptyOneGivesThemWithoutMessages)
{
    EXPECT_EQ(Save(DefaultSettings()), kDefaultFile);
    EXPECT_EQ(Load(kDefaultFile), DefaultSettings());
    Settings noMessages = DefaultSettings();
    noMessages.Messages.clear();
    EXPECT_EQ(Load(""), noMessages);
}

TEST(LoadSettings, ClampsRoundsAndRepairsEveryNumberAndFallsBackWhenOneCannotBeHeld)
{
    const auto numbers = [](std::string_view text) {
        const Settings s = Load(text);
        return std::tuple(s.IntervalMin, s.IntervalMax, s.DurationMs, s.FontSizeMin, s.FontSizeMax, s.Opacity, s.Color,
                          s.StartMod, s.StartKey, s.StopMod, s.StopKey);
    };
    EXPECT_EQ(numbers("[Timing]\r\nIntervalMin=0\r\nIntervalMax=abc\r\nDurationMs=5\r\n[Look]\r\nFontSizeMin=-3\r\n"
                      "FontSizeMax=2\r\nOpacity=9.6\r\nColor=&HFF\r\n[Hotkeys]\r\nStartMod=2.5\r\nStartKey=3.5\r\n"
                      "StopMod=-7\r\nStopKey=2147483647.4\r\n"),
              std::tuple(1, 1, 10, 6, 6, 10, 255, 2, 4, -7, INT32_MAX));
    EXPECT_EQ(numbers("[Timing]\r\nIntervalMin=100000\r\nIntervalMax=1e12\r\nDurationMs=10001\r\n[Look]\r\n"
                      "FontSizeMin=12.5\r\nFontSizeMax=401\r\nOpacity=300\r\nColor=-2147483648\r\n"),
              std::tuple(86400, 86400, 10000, 12, 400, 255, INT32_MIN, 3, 83, 3, 88));
    // Maximums below their minimums are raised to them.
    EXPECT_EQ(numbers("[Timing]\r\nIntervalMin=30\r\nIntervalMax=10\r\n[Look]\r\nFontSizeMin=72\r\nFontSizeMax=10\r\n"
                      "Color=junk\r\n"),
              std::tuple(30, 30, 100, 72, 72, 230, 0, 3, 83, 3, 88));
    // What a double or 32 bits cannot hold gives the key's default.
    EXPECT_EQ(numbers("[Timing]\r\nIntervalMin=1e400\r\n[Look]\r\nOpacity=-1e999\r\nColor=4294967295\r\n[Hotkeys]\r\n"
                      "StartMod=2147483647.5\r\nStartKey=-2147483649\r\nStopMod=1e999\r\nStopKey=&HFFFFFFFF\r\n"),
              std::tuple(5, 20, 100, 28, 48, 230, 16777215, 3, 83, 3, 88));
}

TEST(LoadSettings, AFlagIsTrueExactlyWhenItsNumberIsNotZeroAndAFontIsAlwaysNamed)
{
    const std::pair<const char*, bool> bold[] = {{"1", true},   {"-1", true},  {"2", true},     {"0.5", true},
                                                 {"0", false},  {"", false},   {"true", false}, {"1e999", true}};
    for (const auto& [value, expected] : bold)
        EXPECT_EQ(Load(std::string("[Look]\r\nBold=") + value).Bold, expected) << value;
    const Settings s = Load("[Look]\r\nRandomColor=1e999\r\nAllMonitors=0\r\n[General]\r\nStartWithWindows=0\r\n"
                            "StartActive=7\r\n");
    EXPECT_EQ(std::tuple(s.RandomColor, s.AllMonitors, s.StartWithWindows, s.StartActive),
              std::tuple(false, false, false, true));
    EXPECT_EQ(Load("[Look]\r\nFontName=\r\n").FontName, "Arial");
    EXPECT_EQ(Load("[Look]\r\nFontName= Courier New \r\n").FontName, "Courier New");
}

TEST(LoadSettings, ReadsCountMessagesAndClosesUpTheGaps)
{
    const std::pair<const char*, List> cases[] = {
        {"Count=3\r\nM1=a\r\nM2=\r\nM3=c", {"a", "c"}},
        {"Count=2\r\nM1=a\r\nM2=b\r\nM3=c", {"a", "b"}},
        // Count is rounded half to even: 0.5 reads none, 1.5 and 2.5 read two.
        {"Count=0.5\r\nM1=a", {}}, {"Count=1.5\r\nM1=a\r\nM2=b\r\nM3=c", {"a", "b"}},
        {"Count=2.5\r\nM1=a\r\nM2=b\r\nM3=c", {"a", "b"}},
        {"Count=3\r\nM3=c\r\nm1= ' spaced ' ", {" spaced ", "c"}},
        {"Count=-4\r\nM1=a", {}},
        {"M1=a", {}},
        {"Count=1e999\r\nM1=lost", {}},
        {"Count=1e12\r\nM1=a\r\nM100000=z\r\nM100001=beyond", {"a", "z"}}};
    for (const auto& [section, messages] : cases)
        EXPECT_EQ(Load(std::string("[Messages]\r\n") + section).Messages, messages) << section;
}

TEST(SaveSettings, KeepsOtherSectionsAndUnknownKeysAndWritesOneMessagesSectionLast)
{
    const char* old = "; mine\r\n[User]\r\nfoo=bar\r\n[Messages]\r\nCount=5\r\nM1=1\r\nM2=2\r\nM3=3\r\nM4=4\r\nM5=5\r\n"
                      "[Look]\r\nExtra=x\r\nBold=0\r\n[messages]\r\nM7=stale\r\n[Later]\r\nz=1\r\n";
    Settings s = DefaultSettings();
    s.Messages = {"a", "", "c"};
    const std::string expected =
        "; mine\r\n[User]\r\nfoo=bar\r\n"
        "[Look]\r\nExtra=x\r\nBold=1\r\nFontName=Arial\r\nFontSizeMin=28\r\nFontSizeMax=48\r\nColor=16777215\r\n"
        "RandomColor=0\r\nOpacity=230\r\nAllMonitors=1\r\n"
        "[Later]\r\nz=1\r\n"
        "[Timing]\r\nIntervalMin=5\r\nIntervalMax=20\r\nDurationMs=100\r\n"
        "[General]\r\nStartWithWindows=1\r\nStartActive=0\r\nPauseWhenBusy=1\r\nHideFromCapture=1\r\n"
        "[Hotkeys]\r\nStartMod=3\r\nStartKey=83\r\nStopMod=3\r\nStopKey=88\r\n"
        "[Messages]\r\nCount=3\r\nM1=a\r\nM2=\r\nM3=c\r\n";
    EXPECT_EQ(Save(s, old), expected);
    EXPECT_EQ(Load(expected).Messages, (List{"a", "c"}));
}
