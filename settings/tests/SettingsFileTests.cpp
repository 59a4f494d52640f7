#include "settings/FileText.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsPaths.h"

#include "platform/Utf.h"
#include "settings/tests/DefaultFile.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

static Settings Load(std::string_view text)
{
    return ReadSettings(IniDocument::Parse(text));
}

static std::string Latin1ToUtf8(std::string_view ansi)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(ansi.data());
    return Utf8FromUtf16(std::u16string(bytes, bytes + ansi.size()));
}

// Stands in for the ANSI code page: Latin-1, whose bytes are the first 256 code points.
const AnsiCodePage kLatin1{Latin1ToUtf8, [](std::string_view utf8) -> std::optional<std::string> {
                               const std::u16string utf16 = Utf16FromUtf8(utf8);
                               const std::string ansi(utf16.begin(), utf16.end());  // each unit's low byte
                               return Latin1ToUtf8(ansi) == utf8 ? std::optional(ansi) : std::nullopt;
                           }};

TEST(SettingsFile, AFreshFileHoldsTheDefaultsAnEmptyOneGivesThemWithoutMessagesAndAnOldOneKeepsWhatItHolds)
{
    IniDocument file;
    WriteSettings(DefaultSettings(), file);
    EXPECT_EQ(file.Serialise(), kDefaultFile);
    EXPECT_EQ(Load(kDefaultFile), DefaultSettings());
    Settings s = DefaultSettings();
    s.Messages.clear();
    EXPECT_EQ(Load(""), s);
    // Written over a file from before the schedule, other sections and keys stay, the schedule follows them and
    // one Messages section comes last.
    const std::string defaults(kDefaultFile);
    const std::string before = defaults.substr(0, defaults.find("[Schedule]"));
    const std::string schedule = defaults.substr(before.size(), defaults.find("[Messages]") - before.size());
    file = IniDocument::Parse("[Messages]\nM4=4\n[User]\nfoo=bar\n" + before + "x=1\n[messages]\nM=0");
    WriteSettings(s, file);
    EXPECT_EQ(file.Serialise(), "[User]\r\nfoo=bar\r\n" + before + "x=1\r\n" + schedule + "[Messages]\r\nCount=0\r\n");
}

TEST(LoadSettings, ClampsRoundsAndRepairsNumbersFallsBackWhenOneCannotBeHeldNamesAFontReadsTimesAndClosesUpMessageGaps)
{
    const auto numbers = [](std::string_view text) {
        const Settings s = Load(text);
        return std::tuple(s.IntervalMin, s.IntervalMax, s.DurationMs, s.FontSizeMin, s.FontSizeMax, s.Opacity, s.Color,
                          s.StartMod, s.StartKey, s.StopMod, s.StopKey);
    };
    // A maximum below its minimum is raised to it; colours and hotkeys are only rounded.
    EXPECT_EQ(numbers("[Timing]\nIntervalMin=0\nIntervalMax=1e12\nDurationMs=5\n[Look]\nFontSizeMin=12.5\n"
                      "FontSizeMax=2\nOpacity=300\nColor=junk\n[Hotkeys]\nStartMod=2.5\nStartKey=3.5\n"
                      "StopMod=-2147483648\nStopKey=2147483647.4"),
              std::tuple(1, 86400, 10, 12, 12, 255, 0, 2, 4, INT32_MIN, INT32_MAX));
    // What a double or 32 bits cannot hold gives the key's default.
    EXPECT_EQ(numbers("[Timing]\nIntervalMin=1e400\n[Look]\nColor=4294967295\n[Hotkeys]\nStartMod=2147483647.5\n"
                      "StartKey=-2147483649"),
              std::tuple(5, 20, 100, 28, 48, 230, 16777215, 3, 83, 3, 88));
    // A flag is true exactly when its number is not zero; Bold is on by default, RandomColor off.
    const std::pair<std::string, std::tuple<bool, bool, std::string>> flags[] = {
        {"-1", {true, true, "-1"}}, {"0.5", {true, true, "0.5"}}, {"", {false, false, "Arial"}},
        {"1e999", {true, false, "1e999"}}};
    for (const auto& [value, expected] : flags) {
        const Settings s = Load("[Look]\nBold=" + value + "\nRandomColor=" + value + "\nFontName=" + value);
        EXPECT_EQ(std::tie(s.Bold, s.RandomColor, s.FontName), expected) << value;
    }
    // A time is H:M with one or two digits a part and blanks anywhere, or else its default; Days is clamped.
    const std::pair<const char*, std::tuple<int32_t, int32_t, int32_t>> schedules[] = {
        {"From= 23 : 59\nTo=0:0\nDays=200", {23 * 60 + 59, 0, 127}},
        {"From=24:00\nTo=12:60\nDays=-3", {9 * 60, 17 * 60, 0}},
        {"From=07:30:00\nTo=9:5x\nDays=12.5", {9 * 60, 17 * 60, 12}},
        {"From=-1:00\nTo=7\nDays=abc", {9 * 60, 17 * 60, 0}}};
    for (const auto& [section, expected] : schedules) {
        const Settings s = Load("[Schedule]\n"s + section);
        EXPECT_EQ(std::tuple(s.From.Minutes, s.To.Minutes, s.Days), expected) << section;
    }
    // Count is rounded half to even: 0.5 reads none, 1.5 and 2.5 read two; empty messages are left out.
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"Count=3\nM1=a\nM2=\nM3=c", {"a", "c"}}, {"M1=a", {}}, {"Count=0.5\nM1=a", {}}, {"Count=1e999\nM1=lost", {}},
        {"Count=1.5\nM1=a\nM2=b\nM3=c", {"a", "b"}}, {"Count=2.5\nM1=a\nM2=b\nM3=c", {"a", "b"}},
        {"Count=1e12\nM1=a\nM100000=z\nM100001=beyond", {"a", "z"}}};
    for (const auto& [section, messages] : cases)
        EXPECT_EQ(Load("[Messages]\n"s + section).Messages, messages) << section;
}

TEST(SettingsOnDisk, PathsUnderAppDataOrBesideTheExeAndTheTextReadByMarkOrContentAndWrittenAsAnsiIfThatReadsBack)
{
    EXPECT_EQ(SettingsFileIn(SettingsFolderFor("C:\\Data\\", "C:\\Tools\\halcyra.exe")),
              "C:\\Data\\Halcyra\\settings.ini");
    EXPECT_EQ(SettingsFolderFor("", "C:\\Tools\\halcyra.exe"), "C:\\Tools\\Halcyra");
    EXPECT_EQ(SettingsFolderFor("", "halcyra.exe"), "\\Halcyra");
    // A settings.ini beside the exe keeps everything there; no other file is taken over then.
    EXPECT_EQ(SettingsLocationFor("C:\\Data", "E:\\Apps\\halcyra.exe", false),
              (SettingsLocation{"C:\\Data\\Halcyra", "C:\\Data\\Halcyra\\settings.ini",
                                "C:\\Data\\Brindlewick\\settings.ini"}));
    EXPECT_EQ(SettingsLocationFor("C:\\Data", "E:\\Apps\\halcyra.exe", true),
              (SettingsLocation{"E:\\Apps", "E:\\Apps\\settings.ini", ""}));
    EXPECT_EQ(ExePathFor("C:\\Tools\\my.app.EXE"), "C:\\Tools\\my.app.exe");
    EXPECT_EQ(ExePathFor("C:\\v1.2\\noext"), "C:\\v1.2\\noext.exe");
    // Decoded by the mark, else valid UTF-8 as UTF-8 and the rest as ANSI; encoded as ANSI when that reads back.
    const std::pair<std::string, std::string> decoded[] = {
        {"x=Caf\xC3\xA9", "x=Caf\xC3\xA9"}, {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},
        {"\xEF\xBB\xBFx=\xD0\x9C", "x=\xD0\x9C"}, {"\xEF\xBB\xBF\xC3x", "\xEF\xBF\xBDx"},
        {"\xFF\xFEx\0=\0\xE9\0\xAC\x20\x3D\xD8\x00\xDE"s, "x=\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {"\xFE\xFF\0x\0=\x04\x1C"s, "x=\xD0\x9C"}, {"\xFF\xFEk\0="s, "k"},  // a stray last byte is no character
        // 0x80 is not ASCII (the euro sign in 1252). A file too long for a string's own buffer lies on the
        // heap, where AddressSanitizer sees a read past its end.
        {"x=\x80", "x=\xC2\x80"}, {"\xFF\xFEk\0=\0v\0a\0l\0u\0e\0"s, "k=value"}};
    for (const auto& [bytes, text] : decoded)
        EXPECT_EQ(DecodeFileText(bytes, kLatin1), text) << bytes;
    const std::pair<std::string, std::string> encoded[] = {
        {"x=Caf\xC3\xA9", "x=Caf\xE9"}, {"x=\xD0\x9C", "\xFF\xFEx\0=\0\x1C\x04"s},
        // "Ã©" in ANSI is the UTF-8 of "é", which is how it would read back.
        {"\xC3\x83\xC2\xA9", "\xFF\xFE\xC3\0\xA9\0"s}};
    for (const auto& [text, bytes] : encoded)
        EXPECT_EQ(EncodeFileText(text, kLatin1), bytes) << text;
}
