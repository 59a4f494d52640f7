#include "settings/modSettings.h"

#include "settings/Settings.h"
#include "settings/SettingsDisk.h"
#include "settings/tests/DefaultFile.h"
#include "settings/tests/TempAppData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char* const kHandWritten = "[Timing]\r\nIntervalMin=30\r\nIntervalMax=10\r\n[Messages]\r\nCount=1\r\nM1=mine\r\n";

class SettingsOnDisk : public ::testing::Test {
protected:
    void SetUp() override { gSettings = Settings{}; }

    void MakeFile(const std::string& folder, const std::string& file, std::string_view bytes) const
    {
        CreateDirectoryA(folder.c_str(), nullptr);
        WriteBytes(file, bytes);
    }
    void MakeOurFile(std::string_view bytes) const { MakeFile(appData.OurFolder(), appData.OurFile(), bytes); }
    void MakeLegacyFile(std::string_view bytes) const { MakeFile(appData.LegacyFolder(), appData.LegacyFile(), bytes); }
    std::string OurBytes() const { return ReadBytes(appData.OurFile()); }

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

TEST_F(SettingsOnDisk, PathsFollowApplicationDataOrElseTheExecutable)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ(ExePath(), module);
    EXPECT_EQ(SettingsFilePath(), appData.OurFile());
    SetEnvironmentVariableA("APPDATA", (appData.Root() + "\\").c_str());
    EXPECT_EQ(SettingsFilePath(), appData.OurFile());
    SetEnvironmentVariableA("APPDATA", nullptr);
    EXPECT_EQ(SettingsFolder(), std::string(module, std::strrchr(module, '\\')) + "\\Halcyra");
}

TEST_F(SettingsOnDisk, TheFirstRunWritesExactlyTheDefaultFile)
{
    LoadSettings();
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_EQ(OurBytes(), kDefaultFile);
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");
}

TEST_F(SettingsOnDisk, AnExistingFileIsReadButNotWrittenBack)
{
    MakeOurFile(kHandWritten);
    LoadSettings();
    EXPECT_EQ(gSettings.IntervalMax, 30);
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{"mine"});
    EXPECT_EQ(OurBytes(), kHandWritten);
}

TEST_F(SettingsOnDisk, TheEarlierEditionsFileIsTakenOverOnlyWhenThereIsNone)
{
    MakeLegacyFile(kHandWritten);
    LoadSettings();
    EXPECT_EQ(OurBytes(), kHandWritten);
    EXPECT_EQ(ReadBytes(appData.LegacyFile()), kHandWritten);
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{"mine"});

    MakeOurFile("[Timing]\r\nIntervalMin=7\r\n");
    MigrateLegacySettings();
    EXPECT_EQ(OurBytes(), "[Timing]\r\nIntervalMin=7\r\n");
    // Not even over a hidden file, which the program otherwise treats as missing.
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_HIDDEN);
    MigrateLegacySettings();
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(OurBytes(), "[Timing]\r\nIntervalMin=7\r\n");
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
}

TEST_F(SettingsOnDisk, SavingKeepsTheUsersSectionsAndLeavesNoTemporaryFile)
{
    MakeOurFile("[User]\r\nfoo=bar\r\n[Messages]\r\nCount=3\r\nM1=a\r\nM2=b\r\nM3=c\r\n");
    gSettings = DefaultSettings();
    gSettings.Messages = {"x"};
    SaveSettings();
    const std::string saved = OurBytes();
    EXPECT_EQ(saved.substr(0, 22), "[User]\r\nfoo=bar\r\n[Timi");
    EXPECT_EQ(saved.substr(saved.find("[Messages]")), "[Messages]\r\nCount=1\r\nM1=x\r\n");
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");
}

TEST_F(SettingsOnDisk, AFailedSaveLeavesTheOldFileWhole)
{
    MakeOurFile(kHandWritten);
    gSettings = DefaultSettings();
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_READONLY);
    SaveSettings();
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(OurBytes(), kHandWritten);
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");

    // The temporary file cannot be made where a folder of its name stands.
    CreateDirectoryA((appData.OurFile() + ".tmp").c_str(), nullptr);
    SaveSettings();
    EXPECT_EQ(OurBytes(), kHandWritten);
}

TEST_F(SettingsOnDisk, NothingIsWrittenWhereTheFolderCannotBe)
{
    WriteBytes(appData.OurFolder(), "a file where the folder belongs");
    LoadSettings();
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_EQ(ReadBytes(appData.OurFolder()), "a file where the folder belongs");

    SetEnvironmentVariableA("APPDATA", (appData.Root() + "\\no\\such\\parent").c_str());
    SaveSettings();
    EXPECT_EQ(GetFileAttributesA((appData.Root() + "\\no").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsOnDisk, ByteOrderMarksHideNothingAndTheTextArrivesInTheAnsiCodePage)
{
    MakeOurFile("\xEF\xBB\xBF[Timing]\r\nIntervalMin=42\r\n[Messages]\r\nCount=1\r\nM1=caf\xC3\xA9\r\n");
    LoadSettings();
    EXPECT_EQ(gSettings.IntervalMin, 42);
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{"caf" + Ansi(L"\u00E9")});

    const std::wstring text = L"\uFEFF[Timing]\r\nIntervalMin=43\r\n[Messages]\r\nCount=1\r\nM1=na\u00EFve\r\n";
    MakeOurFile(std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)));
    LoadSettings();
    EXPECT_EQ(gSettings.IntervalMin, 43);
    const std::string naive = "na" + Ansi(L"\u00EF") + "ve";
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{naive});
    // Saved again in the ANSI code page.
    SaveSettings();
    EXPECT_EQ(OurBytes().substr(0, 8), "[Timing]");
    EXPECT_EQ(SystemRead(appData.OurFile(), "Messages", "M1"), naive);
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
    EXPECT_EQ(OurBytes(), "[Look]\r\nBold=1\r\nEmpty=\r\n[Timing]\r\nIntervalMin=9\r\n");
    EXPECT_EQ(IniRead("look", "bold", "d"), "1");
    EXPECT_EQ(IniRead("Look", "Empty", "d"), "");
    EXPECT_EQ(IniRead("Look", "Missing", "d"), "d");
}
