#include "tests/e2e/driver/E2eTest.h"

#include "settings/tests/DefaultFile.h"

using SettingsFile = E2eTest;

TEST_F(SettingsFile, TheFirstRunWritesTheDefaultsAndEntersTheQuotedPathInTheRunKey)
{
    Launch();

    EXPECT_EQ(ReadBytes(settingsPath), kDefaultFile);
    EXPECT_EQ(RunValue("Halcyra"), "\"" + exe + "\"");
}
