#include "settings/SettingsFile.h"

#include "settings/tests/DefaultFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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

Settings DefaultsWithoutMessages()
{
    Settings s = DefaultSettings();
    s.Messages.clear();
    return s;
}

}  // namespace

TEST(SaveSettings, AFreshFileHoldsTheDefaultsInTheirOrder)
{
    EXPECT_EQ(Save(DefaultSettings()), kDefaultFile);
    EXPECT_EQ(Load(kDefaultFile), DefaultSettings());
}

TEST(LoadSettings, MissingKeysTakeTheirDefaultsButMessagesStayEmpty)
{
    EXPECT_EQ(Load(""), DefaultsWithoutMessages());
    EXPECT_EQ(Load("[Unrelated]\r\nIntervalMin=9\r\n"), DefaultsWithoutMessages());

    Settings expected = DefaultsWithoutMessages();
    expected.IntervalMin = 30;
    expected.IntervalMax = 30;
    EXPECT_EQ(Load("[Timing]\r\nIntervalMin=30\r\nIntervalMax=10\r\n"), expected);
}

TEST(LoadSettings, ClampsEveryRangedNumber)
{
    const Settings low = Load("[Timing]\r\nIntervalMin=0\r\nIntervalMax=abc\r\nDurationMs=5\r\n"
                              "[Look]\r\nFontSizeMin=-3\r\nFontSizeMax=2\r\nOpacity=9.6\r\n");
    EXPECT_EQ(low.IntervalMin, 1);
    EXPECT_EQ(low.IntervalMax, 1);
    EXPECT_EQ(low.DurationMs, 10);
    EXPECT_EQ(low.FontSizeMin, 6);
    EXPECT_EQ(low.FontSizeMax, 6);
    EXPECT_EQ(low.Opacity, 10);

    const Settings high = Load("[Timing]\r\nIntervalMin=100000\r\nIntervalMax=1e12\r\nDurationMs=10001\r\n"
                               "[Look]\r\nFontSizeMin=12.5\r\nFontSizeMax=401\r\nOpacity=300\r\n");
    EXPECT_EQ(high.IntervalMin, 86400);
    EXPECT_EQ(high.IntervalMax, 86400);
    EXPECT_EQ(high.DurationMs, 10000);
    EXPECT_EQ(high.FontSizeMin, 12);
    EXPECT_EQ(high.FontSizeMax, 400);
    EXPECT_EQ(high.Opacity, 255);
}

TEST(LoadSettings, PutsMinimumsAndMaximumsInOrderAndNamesAFont)
{
    const Settings s = Load("[Timing]\r\nIntervalMin=50\r\nIntervalMax=40\r\n"
                            "[Look]\r\nFontSizeMin=72\r\nFontSizeMax=10\r\nFontName=\r\n");
    EXPECT_EQ(s.IntervalMax, 50);
    EXPECT_EQ(s.FontSizeMax, 72);
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(Load("[Look]\r\nFontName= Courier New \r\n").FontName, "Courier New");
}

TEST(LoadSettings, AFlagIsTrueExactlyWhenItsNumberIsNotZero)
{
    const auto bold = [](const std::string& value) { return Load("[Look]\r\nBold=" + value + "\r\n").Bold; };
    EXPECT_TRUE(bold("1"));
    EXPECT_TRUE(bold("-1"));
    EXPECT_TRUE(bold("2"));
    EXPECT_TRUE(bold("0.5"));
    EXPECT_FALSE(bold("0"));
    EXPECT_FALSE(bold(""));
    EXPECT_FALSE(bold("no"));
    EXPECT_FALSE(bold("true"));

    const Settings s = Load("[Look]\r\nRandomColor=1\r\nAllMonitors=0\r\n[General]\r\nStartWithWindows=0\r\nStartActive=7\r\n");
    EXPECT_TRUE(s.RandomColor);
    EXPECT_FALSE(s.AllMonitors);
    EXPECT_FALSE(s.StartWithWindows);
    EXPECT_TRUE(s.StartActive);
}

TEST(LoadSettings, ColoursAndHotkeysAreRoundedButNotClamped)
{
    const Settings s = Load("[Look]\r\nColor=&HFF\r\n[Hotkeys]\r\nStartMod=2.5\r\nStartKey=3.5\r\nStopMod=-7\r\n"
                            "StopKey=2147483647.4\r\n");
    EXPECT_EQ(s.Color, 255);
    EXPECT_EQ(s.StartMod, 2);
    EXPECT_EQ(s.StartKey, 4);
    EXPECT_EQ(s.StopMod, -7);
    EXPECT_EQ(s.StopKey, 2147483647);
    EXPECT_EQ(Load("[Look]\r\nColor=-2147483648\r\n").Color, INT32_MIN);
    EXPECT_EQ(Load("[Look]\r\nColor=junk\r\n").Color, 0);
}

TEST(LoadSettings, NumbersTheRecordCannotHoldFallBackToTheKeysDefault)
{
    const Settings s = Load("[Look]\r\nColor=4294967295\r\nRandomColor=1e999\r\nOpacity=-1e999\r\n"
                            "[Timing]\r\nIntervalMin=1e400\r\n"
                            "[Hotkeys]\r\nStartMod=2147483647.5\r\nStartKey=-2147483649\r\nStopMod=1e999\r\nStopKey=&HFFFFFFFF\r\n"
                            "[Messages]\r\nCount=1e999\r\nM1=lost\r\n");
    EXPECT_EQ(s.Color, 16777215);
    EXPECT_FALSE(s.RandomColor);
    EXPECT_EQ(s.Opacity, 230);
    EXPECT_EQ(s.IntervalMin, 5);
    EXPECT_EQ(s.StartMod, 3);
    EXPECT_EQ(s.StartKey, 83);
    EXPECT_EQ(s.StopMod, 3);
    EXPECT_EQ(s.StopKey, 88);
    EXPECT_TRUE(s.Messages.empty());
}

TEST(LoadSettings, ReadsCountMessagesAndClosesUpTheGaps)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(Load("[Messages]\r\nCount=3\r\nM1=a\r\nM2=\r\nM3=c\r\n").Messages, (List{"a", "c"}));
    EXPECT_EQ(Load("[Messages]\r\nCount=2\r\nM1=a\r\nM2=b\r\nM3=c\r\nM4=d\r\nM5=e\r\n").Messages, (List{"a", "b"}));
    EXPECT_EQ(Load("[Messages]\r\nCount=-4\r\nM1=a\r\n").Messages, List{});
    EXPECT_EQ(Load("[Messages]\r\nCount=2.5\r\nM1=a\r\nM2=b\r\nM3=c\r\n").Messages, (List{"a", "b"}));
    EXPECT_EQ(Load("[Messages]\r\nCount=3\r\nM3=c\r\nm1= ' spaced ' \r\n").Messages, (List{" spaced ", "c"}));
    EXPECT_EQ(Load("[Messages]\r\nM1=a\r\n").Messages, List{});
    EXPECT_EQ(Load("[Messages]\r\nCount=1e12\r\nM1=a\r\nM100000=z\r\nM100001=beyond\r\n").Messages,
              (List{"a", "z"}));
}

TEST(LoadSettings, ALongMessageReadsBackCutButIsSavedWhole)
{
    Settings s = DefaultSettings();
    s.Messages = {std::string(5000, 'm')};
    const std::string file = Save(s);
    EXPECT_NE(file.find("M1=" + std::string(5000, 'm') + "\r\n"), std::string::npos);
    EXPECT_EQ(Load(file).Messages, std::vector<std::string>{std::string(4095, 'm')});
}

TEST(SaveSettings, KeepsOtherSectionsAndUnknownKeysAndPutsMessagesLast)
{
    const char* old = "; mine\r\n[User]\r\nfoo=bar\r\n[Messages]\r\nCount=5\r\nM1=1\r\nM2=2\r\nM3=3\r\nM4=4\r\nM5=5\r\n"
                      "[Look]\r\nExtra=x\r\nBold=0\r\n[Later]\r\nz=1\r\n";
    Settings s = DefaultSettings();
    s.Messages = {"a", "b"};
    const std::string expected =
        "; mine\r\n[User]\r\nfoo=bar\r\n"
        "[Look]\r\nExtra=x\r\nBold=1\r\nFontName=Arial\r\nFontSizeMin=28\r\nFontSizeMax=48\r\nColor=16777215\r\n"
        "RandomColor=0\r\nOpacity=230\r\nAllMonitors=1\r\n"
        "[Later]\r\nz=1\r\n"
        "[Timing]\r\nIntervalMin=5\r\nIntervalMax=20\r\nDurationMs=100\r\n"
        "[General]\r\nStartWithWindows=1\r\nStartActive=0\r\n"
        "[Hotkeys]\r\nStartMod=3\r\nStartKey=83\r\nStopMod=3\r\nStopKey=88\r\n"
        "[Messages]\r\nCount=2\r\nM1=a\r\nM2=b\r\n";
    EXPECT_EQ(Save(s, old), expected);
}

TEST(SaveSettings, LeavesNoCopyOfAnEarlierMessagesSection)
{
    const char* old = "[Messages]\r\nCount=1\r\nM1=x\r\n[messages]\r\nM7=stale\r\n[Look]\r\nBold=0\r\n";
    Settings s = DefaultSettings();
    s.Messages = {"a"};
    const std::string saved = Save(s, old);
    EXPECT_EQ(saved.find("stale"), std::string::npos);
    EXPECT_EQ(saved.substr(saved.find("[Messages]")), "[Messages]\r\nCount=1\r\nM1=a\r\n");
}

TEST(SaveSettings, ARecordOfOddTextsComesBackUnchanged)
{
    Settings s = DefaultSettings();
    s.FontName = " Padded Face ";
    s.Messages = {"  leading", "trailing\t", "\"quoted\"", "'single'", "a=b; c", "[not a section]", "\xE9t\xE9"};
    s.Color = -1;
    s.StartMod = INT32_MIN;
    s.StopKey = INT32_MAX;
    EXPECT_EQ(Load(Save(s)), s);
}

TEST(SaveSettings, TheMessageCountIsWhatWasWritten)
{
    Settings s = DefaultSettings();
    s.Messages = {"a", "", "c"};
    const std::string saved = Save(s);
    EXPECT_NE(saved.find("[Messages]\r\nCount=3\r\nM1=a\r\nM2=\r\nM3=c\r\n"), std::string::npos);
    EXPECT_EQ(Load(saved).Messages, (std::vector<std::string>{"a", "c"}));
}
