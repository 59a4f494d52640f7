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
