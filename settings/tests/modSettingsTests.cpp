#include "settings/modSettings.h"

#include "settings/Settings.h"
#include "settings/SettingsDisk.h"
#include "settings/tests/TempAppData.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

const char* const kDefaultFile =
    "[Timing]\r\nIntervalMin=5\r\nIntervalMax=20\r\nDurationMs=100\r\n"
    "[Look]\r\nFontName=Arial\r\nFontSizeMin=28\r\nFontSizeMax=48\r\nBold=1\r\nColor=16777215\r\n"
    "RandomColor=0\r\nOpacity=230\r\nAllMonitors=1\r\n"
    "[General]\r\nStartWithWindows=1\r\nStartActive=0\r\n"
    "[Hotkeys]\r\nStartMod=3\r\nStartKey=83\r\nStopMod=3\r\nStopKey=88\r\n"
    "[Messages]\r\nCount=5\r\nM1=You are calm\r\nM2=You are confident\r\nM3=You can do this\r\n"
    "M4=Stay focused\r\nM5=Drink some water\r\n";

const char* const kHandWritten = "[Timing]\r\nIntervalMin=30\r\nIntervalMax=10\r\n[Messages]\r\nCount=1\r\nM1=mine\r\n";

class SettingsOnDisk : public ::testing::Test {
protected:
    void SetUp() override { gSettings = Settings{}; }

    void MakeLegacyFile(std::string_view bytes) const
    {
        CreateDirectoryA(appData.LegacyFolder().c_str(), nullptr);
        WriteBytes(appData.LegacyFile(), bytes);
    }

    void MakeOurFile(std::string_view bytes) const
    {
        CreateDirectoryA(appData.OurFolder().c_str(), nullptr);
        WriteBytes(appData.OurFile(), bytes);
    }

    TempAppData appData;
};

std::string SystemRead(const std::string& path, const char* section, const std::string& key)
{
    char buffer[4096] = {};
    const DWORD length = GetPrivateProfileStringA(section, key.c_str(), "<default>", buffer, sizeof buffer, path.c_str());
    return std::string(buffer, length);
}

std::string Ansi(const wchar_t* text)
{
    char buffer[64] = {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return std::string(buffer, length > 0 ? length - 1 : 0);
}

}  // namespace

TEST_F(SettingsOnDisk, TheFolderFollowsApplicationData)
{
    EXPECT_EQ(SettingsFolder(), appData.OurFolder());
    EXPECT_EQ(SettingsFilePath(), appData.OurFile());
    SetEnvironmentVariableA("APPDATA", (appData.Root() + "\\").c_str());
    EXPECT_EQ(SettingsFilePath(), appData.OurFile());
}

TEST_F(SettingsOnDisk, WithoutApplicationDataTheFolderIsBesideTheExecutable)
{
    SetEnvironmentVariableA("APPDATA", nullptr);
    const std::string exe = ExePath();
    EXPECT_EQ(SettingsFolder(), exe.substr(0, exe.rfind('\\')) + "\\Halcyra");
}

TEST_F(SettingsOnDisk, ExePathNamesThisProgram)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ(ExePath(), module);
    EXPECT_EQ(ExePath().substr(ExePath().size() - 24), "\\halcyra_win32_tests.exe");
}

TEST_F(SettingsOnDisk, TheFirstRunWritesExactlyTheDefaultFile)
{
    LoadSettings();
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_EQ(ReadBytes(appData.OurFile()), kDefaultFile);
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");
}

TEST_F(SettingsOnDisk, AnExistingFileIsReadButNotWrittenBack)
{
    MakeOurFile(kHandWritten);
    LoadSettings();
    EXPECT_EQ(gSettings.IntervalMin, 30);
    EXPECT_EQ(gSettings.IntervalMax, 30);
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{"mine"});
    EXPECT_EQ(ReadBytes(appData.OurFile()), kHandWritten);
}

TEST_F(SettingsOnDisk, TheEarlierEditionsFileIsTakenOverWhenThereIsNone)
{
    MakeLegacyFile(kHandWritten);
    LoadSettings();
    EXPECT_EQ(ReadBytes(appData.OurFile()), kHandWritten);
    EXPECT_EQ(ReadBytes(appData.LegacyFile()), kHandWritten);
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{"mine"});
}

TEST_F(SettingsOnDisk, TheEarlierEditionsFileNeverReplacesOurs)
{
    MakeOurFile("[Timing]\r\nIntervalMin=7\r\n");
    MakeLegacyFile(kHandWritten);
    MigrateLegacySettings();
    EXPECT_EQ(ReadBytes(appData.OurFile()), "[Timing]\r\nIntervalMin=7\r\n");

    // Not even a hidden one, which the program otherwise treats as missing.
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_HIDDEN);
    MigrateLegacySettings();
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(appData.OurFile()), "[Timing]\r\nIntervalMin=7\r\n");
}

TEST_F(SettingsOnDisk, FilesAreFoundUnlessHiddenOrSystem)
{
    MakeOurFile("x");
    const std::string file = appData.OurFile();
    for (DWORD attributes : {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_ARCHIVE}) {
        SetFileAttributesA(file.c_str(), attributes);
        EXPECT_TRUE(FileFound(file)) << attributes;
    }
    for (DWORD attributes : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        SetFileAttributesA(file.c_str(), attributes);
        EXPECT_FALSE(FileFound(file)) << attributes;
    }
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(FileFound(appData.OurFolder()));
    EXPECT_TRUE(FolderFound(appData.OurFolder()));
    EXPECT_TRUE(FolderFound(file));
    EXPECT_FALSE(FileFound(file + "x"));
}

TEST_F(SettingsOnDisk, SavingKeepsTheUsersSectionsAndLeavesNoTemporaryFile)
{
    MakeOurFile("[User]\r\nfoo=bar\r\n[Messages]\r\nCount=3\r\nM1=a\r\nM2=b\r\nM3=c\r\n");
    gSettings = DefaultSettings();
    gSettings.Messages = {"x"};
    SaveSettings();
    const std::string saved = ReadBytes(appData.OurFile());
    EXPECT_EQ(saved.substr(0, 22), "[User]\r\nfoo=bar\r\n[Timi");
    EXPECT_EQ(saved.substr(saved.find("[Messages]")), "[Messages]\r\nCount=1\r\nM1=x\r\n");
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");
}

TEST_F(SettingsOnDisk, AReadOnlyFileIsLeftAlone)
{
    MakeOurFile(kHandWritten);
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_READONLY);
    gSettings = DefaultSettings();
    SaveSettings();
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(appData.OurFile()), kHandWritten);
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");
}

TEST_F(SettingsOnDisk, AFailedWriteLeavesTheOldFileWhole)
{
    MakeOurFile(kHandWritten);
    // The temporary file cannot be created where a folder of its name stands.
    CreateDirectoryA((appData.OurFile() + ".tmp").c_str(), nullptr);
    gSettings = DefaultSettings();
    SaveSettings();
    EXPECT_EQ(ReadBytes(appData.OurFile()), kHandWritten);
}

TEST_F(SettingsOnDisk, NothingIsWrittenWhereTheFolderCannotBe)
{
    WriteBytes(appData.OurFolder(), "a file where the folder belongs");
    gSettings = DefaultSettings();
    LoadSettings();
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_EQ(ReadBytes(appData.OurFolder()), "a file where the folder belongs");

    SetEnvironmentVariableA("APPDATA", (appData.Root() + "\\no\\such\\parent").c_str());
    SaveSettings();
    EXPECT_EQ(GetFileAttributesA((appData.Root() + "\\no").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsOnDisk, AUtf8ByteOrderMarkHidesNothingAndTheTextIsConverted)
{
    MakeOurFile("\xEF\xBB\xBF[Timing]\r\nIntervalMin=42\r\n[Messages]\r\nCount=1\r\nM1=caf\xC3\xA9\r\n");
    LoadSettings();
    EXPECT_EQ(gSettings.IntervalMin, 42);
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{"caf" + Ansi(L"\u00E9")});
}

TEST_F(SettingsOnDisk, AUtf16FileIsReadInTheAnsiCodePage)
{
    std::wstring text = L"\uFEFF[Timing]\r\nIntervalMin=43\r\n[Messages]\r\nCount=1\r\nM1=na\u00EFve\r\n";
    MakeOurFile(std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)));
    LoadSettings();
    EXPECT_EQ(gSettings.IntervalMin, 43);
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{"na" + Ansi(L"\u00EF") + "ve"});

    // Saved again in the ANSI code page, which every reader of the file understands.
    SaveSettings();
    EXPECT_EQ(SystemRead(appData.OurFile(), "Messages", "M1"), "na" + Ansi(L"\u00EF") + "ve");
    EXPECT_EQ(ReadBytes(appData.OurFile()).substr(0, 8), "[Timing]");
}

TEST_F(SettingsOnDisk, TheSystemReadsOurFileAsWeDo)
{
    gSettings = DefaultSettings();
    gSettings.FontName = " Spaced Face ";
    gSettings.Messages = {"  leading", "trailing ", "\"quoted\"", "'single'", "a=b ; c", std::string(4095, 'x')};
    gSettings.Color = -1;
    SaveSettings();
    const std::string path = appData.OurFile();
    EXPECT_EQ(SystemRead(path, "Look", "FontName"), " Spaced Face ");
    EXPECT_EQ(SystemRead(path, "Look", "Color"), "-1");
    EXPECT_EQ(SystemRead(path, "Messages", "Count"), "6");
    for (std::size_t i = 0; i < gSettings.Messages.size(); ++i) {
        const std::string key = std::string("M").append(std::to_string(i + 1));
        EXPECT_EQ(SystemRead(path, "Messages", key), gSettings.Messages[i]) << key;
        EXPECT_EQ(IniRead("Messages", key, "<default>"), gSettings.Messages[i]) << key;
    }
    const Settings saved = gSettings;
    LoadSettings();
    EXPECT_EQ(gSettings, saved);
}

TEST_F(SettingsOnDisk, IniReadAndIniWriteWorkOnTheFileAlone)
{
    EXPECT_EQ(IniRead("Look", "Bold", "d"), "d");
    CreateDirectoryA(appData.OurFolder().c_str(), nullptr);
    IniWrite("Look", "Bold", "0");
    IniWrite("Look", "Empty", "");
    IniWrite("Timing", "IntervalMin", "9");
    IniWrite("Look", "Bold", "1");
    EXPECT_EQ(ReadBytes(appData.OurFile()), "[Look]\r\nBold=1\r\nEmpty=\r\n[Timing]\r\nIntervalMin=9\r\n");
    EXPECT_EQ(IniRead("look", "bold", "d"), "1");
    EXPECT_EQ(IniRead("Look", "Empty", "d"), "");
    EXPECT_EQ(IniRead("Look", "Missing", "d"), "d");
}
