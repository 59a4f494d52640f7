#include "settings/modSettings.h"

#include "settings/Settings.h"
#include "platform/win32/FileSystem.h"
#include "tests/support/win32/TempAppData.h"

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
        char value[4096] = {};
        const std::string& file = appData.OurFile();
        return {value, GetPrivateProfileStringA(section, key.c_str(), "", value, sizeof value, file.c_str())};
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
    // Nor over a file that stands where the settings folder belongs; the defaults are used.
    const std::string other = appData.Root() + "\\other";
    CreateDirectoryA(other.c_str(), nullptr);
    WriteBytes(other + "\\Halcyra", kOwn);
    SetEnvironmentVariableA("APPDATA", other.c_str());
    LoadSettings();
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_EQ(ReadBytes(other + "\\Halcyra"), kOwn);
}

TEST_F(SettingsOnDisk, TheSystemReadsWhatWeSaveAndWeReadItBack)
{
    gSettings = DefaultSettings();
    gSettings.FontName = " Spaced Face ";
    gSettings.Messages = {"  leading", "trailing ", "\"quoted\"", "a=b ; c", std::string(4095, 'x')};
    SaveSettings();
    EXPECT_EQ(SystemRead("Look", "FontName"), " Spaced Face ");
    for (std::size_t i = 0; i < gSettings.Messages.size(); ++i)
        EXPECT_EQ(SystemRead("Messages", std::string("M").append(std::to_string(i + 1))), gSettings.Messages[i]) << i;
    EXPECT_EQ(ReadBytes(appData.OurFile() + ".tmp"), "<missing>");
    const Settings saved = gSettings;
    LoadSettings();
    EXPECT_EQ(gSettings, saved);
}
