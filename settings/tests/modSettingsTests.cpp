#include "settings/modSettings.h"

#include "settings/Settings.h"
#include "settings/SettingsDisk.h"
#include "settings/tests/TempAppData.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const kOwn = "[Timing]\r\nIntervalMin=7\r\n";

class SettingsOnDisk : public ::testing::Test {
protected:
    void SetUp() override { gSettings = Settings{}; }

    void MakeOurFile(std::string_view bytes) const
    {
        CreateDirectoryA(appData.OurFolder().c_str(), nullptr);
        WriteBytes(appData.OurFile(), bytes);
    }
    std::string OurBytes() const { return ReadBytes(appData.OurFile()); }
    std::string SystemRead(const char* section, const std::string& key) const
    {
        char buffer[4096] = {};
        const DWORD length = GetPrivateProfileStringA(section, key.c_str(), "<default>", buffer, sizeof buffer,
                                                      appData.OurFile().c_str());
        return std::string(buffer, length);
    }

    TempAppData appData;
};

}  // namespace

TEST_F(SettingsOnDisk, AHiddenOrSystemFileCountsAsMissingYetTheEarlierEditionsNeverReplacesIt)
{
    CreateDirectoryA((appData.Root() + "\\Brindlewick").c_str(), nullptr);
    WriteBytes(appData.Root() + "\\Brindlewick\\settings.ini", "[Timing]\r\nIntervalMin=30\r\n");
    MakeOurFile(kOwn);
    for (const DWORD attributes : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        SetFileAttributesA(appData.OurFile().c_str(), attributes);
        EXPECT_EQ(FileFound(appData.OurFile()), attributes == FILE_ATTRIBUTE_READONLY) << attributes;
        MigrateLegacySettings();
        SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(OurBytes(), kOwn) << attributes;
    }
    EXPECT_FALSE(FileFound(appData.OurFolder()));
    EXPECT_TRUE(FolderFound(appData.OurFolder()));
}

TEST_F(SettingsOnDisk, ASaveThatCannotWriteLeavesEverythingAsItWas)
{
    MakeOurFile(kOwn);
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_READONLY);
    SaveSettings();
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(OurBytes(), kOwn);
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");
    // The temporary file cannot be made where a folder of its name stands.
    CreateDirectoryA((appData.OurFile() + ".tmp").c_str(), nullptr);
    SaveSettings();
    EXPECT_EQ(OurBytes(), kOwn);

    SetEnvironmentVariableA("APPDATA", (appData.Root() + "\\no\\such\\parent").c_str());
    SaveSettings();
    EXPECT_EQ(GetFileAttributesA((appData.Root() + "\\no").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsOnDisk, AFileWhereTheFolderBelongsIsLeftAloneAndTheDefaultsUsed)
{
    WriteBytes(appData.OurFolder(), "a file where the folder belongs");
    LoadSettings();
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_EQ(ReadBytes(appData.OurFolder()), "a file where the folder belongs");
}

TEST_F(SettingsOnDisk, AUtf16FileArrivesInTheAnsiCodePageAndTheSystemReadsWhatWeSave)
{
    const std::wstring text = L"\uFEFF[Timing]\r\nIntervalMin=43\r\n[Messages]\r\nCount=1\r\nM1=na\u00EFve\r\n";
    MakeOurFile(std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)));
    LoadSettings();
    EXPECT_EQ(gSettings.IntervalMin, 43);
    char diaeresis[8] = {};
    WideCharToMultiByte(CP_ACP, 0, L"\u00EF", 1, diaeresis, sizeof diaeresis, nullptr, nullptr);
    const std::string naive = "na" + std::string(diaeresis) + "ve";
    EXPECT_EQ(gSettings.Messages, std::vector<std::string>{naive});

    gSettings.FontName = " Spaced Face ";
    gSettings.Messages = {naive, "  leading", "trailing ", "\"quoted\"", "a=b ; c", std::string(4095, 'x')};
    gSettings.Color = -1;
    SaveSettings();
    EXPECT_EQ(OurBytes().substr(0, 8), "[Timing]");
    EXPECT_EQ(SystemRead("Look", "FontName"), " Spaced Face ");
    EXPECT_EQ(SystemRead("Look", "Color"), "-1");
    EXPECT_EQ(SystemRead("Messages", "Count"), "6");
    for (std::size_t i = 0; i < gSettings.Messages.size(); ++i)
        EXPECT_EQ(SystemRead("Messages", "M" + std::to_string(i + 1)), gSettings.Messages[i]) << i;
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");
    const Settings saved = gSettings;
    LoadSettings();
    EXPECT_EQ(gSettings, saved);
}
