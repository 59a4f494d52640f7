#include "settings/SettingsPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(SettingsPaths, LiveUnderTheApplicationDataOrElseBesideTheExecutable)
{
    const std::string roaming = "C:\\Data\\Roaming";
    EXPECT_EQ(SettingsFileIn(SettingsFolderFor(roaming, "C:\\Tools\\halcyra.exe")),
              roaming + "\\Halcyra\\settings.ini");
    EXPECT_EQ(SettingsFolderFor(roaming + "\\", "C:\\Tools\\halcyra.exe"), roaming + "\\Halcyra");
    EXPECT_EQ(SettingsFolderFor("", "C:\\Tools\\halcyra.exe"), "C:\\Tools\\Halcyra");
    EXPECT_EQ(SettingsFolderFor("", "C:\\halcyra.exe"), "C:\\Halcyra");
    EXPECT_EQ(LegacySettingsFileFor(roaming + "\\"), roaming + "\\Brindlewick\\settings.ini");
    EXPECT_EQ(LegacySettingsFileFor(""), "\\Brindlewick\\settings.ini");
}

TEST(SettingsPaths, TheExecutablePathAlwaysEndsInExe)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Tools\\other.exe", "C:\\Tools\\other.exe"}, {"C:\\Tools\\app.bin", "C:\\Tools\\app.exe"},
        {"C:\\Tools\\my.app.EXE", "C:\\Tools\\my.app.exe"}, {"C:\\Tools\\noext", "C:\\Tools\\noext.exe"},
        {"C:\\v1.2\\noext", "C:\\v1.2\\noext.exe"}};
    for (const auto& [running, exe] : cases)
        EXPECT_EQ(ExePathFor(running), exe);
}
