#include "settings/SettingsPaths.h"

#include <gtest/gtest.h>

TEST(SettingsPaths, LiveInAHalcyraFolderUnderTheApplicationData)
{
    EXPECT_EQ(SettingsFolderFor("C:\\Data\\Roaming", "C:\\Tools\\halcyra.exe"), "C:\\Data\\Roaming\\Halcyra");
    EXPECT_EQ(SettingsFileIn(SettingsFolderFor("C:\\Data\\Roaming", "C:\\Tools\\halcyra.exe")),
              "C:\\Data\\Roaming\\Halcyra\\settings.ini");
    EXPECT_EQ(SettingsFolderFor("C:\\Data\\Roaming\\", "C:\\Tools\\halcyra.exe"), "C:\\Data\\Roaming\\Halcyra");
}

TEST(SettingsPaths, LiveBesideTheExecutableWithoutApplicationData)
{
    EXPECT_EQ(SettingsFolderFor("", "C:\\Tools\\halcyra.exe"), "C:\\Tools\\Halcyra");
    EXPECT_EQ(SettingsFolderFor("", "C:\\halcyra.exe"), "C:\\Halcyra");
    EXPECT_EQ(SettingsFolderFor("", "\\\\server\\share\\halcyra.exe"), "\\\\server\\share\\Halcyra");
}

TEST(SettingsPaths, TheEarlierEditionsFileComesFromApplicationDataAlone)
{
    EXPECT_EQ(LegacySettingsFileFor("C:\\Data\\Roaming"), "C:\\Data\\Roaming\\Brindlewick\\settings.ini");
    EXPECT_EQ(LegacySettingsFileFor("C:\\Data\\Roaming\\"), "C:\\Data\\Roaming\\Brindlewick\\settings.ini");
    EXPECT_EQ(LegacySettingsFileFor(""), "\\Brindlewick\\settings.ini");
}

TEST(SettingsPaths, TheExecutablePathAlwaysEndsInExe)
{
    EXPECT_EQ(ExePathFor("C:\\Tools\\other.exe"), "C:\\Tools\\other.exe");
    EXPECT_EQ(ExePathFor("C:\\Tools\\app.bin"), "C:\\Tools\\app.exe");
    EXPECT_EQ(ExePathFor("C:\\Tools\\my.app.EXE"), "C:\\Tools\\my.app.exe");
    EXPECT_EQ(ExePathFor("C:\\Tools\\noext"), "C:\\Tools\\noext.exe");
    EXPECT_EQ(ExePathFor("C:\\v1.2\\noext"), "C:\\v1.2\\noext.exe");
    EXPECT_EQ(ExePathFor("C:\\Program Files\\Halcyra\\halcyra.exe"), "C:\\Program Files\\Halcyra\\halcyra.exe");
}

TEST(JoinPath, AddsABackslashOnlyWhenMissing)
{
    EXPECT_EQ(JoinPath("C:\\a", "b"), "C:\\a\\b");
    EXPECT_EQ(JoinPath("C:\\", "b"), "C:\\b");
    EXPECT_EQ(JoinPath("", "b"), "\\b");
    EXPECT_EQ(FolderOf("C:\\a\\b.exe"), "C:\\a");
    EXPECT_EQ(FolderOf("b.exe"), "");
}
