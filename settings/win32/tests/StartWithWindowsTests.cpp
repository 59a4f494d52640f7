#include "settings/StartWithWindows.h"

#include "tests/support/win32/RunKey.h"

#include <gtest/gtest.h>

// Puts back what it changed in the Run key, and never enters the test exe there.
TEST(StartWithWindows, TurningItOffRemovesTheEarlierEditionsValueWithOurOwn)
{
    const char* const names[] = {"Halcyra", "Brindlewick"};
    std::optional<std::string> before[2];
    for (int i = 0; i < 2; ++i) {
        before[i] = RunValue(names[i]);
        SetRunValue(names[i], std::string("\"C:\\elsewhere\\") + names[i] + ".exe\"");
        EXPECT_TRUE(RunValue(names[i]).has_value());
    }
    ApplyStartWithWindows(false);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(RunValue(names[i]), std::nullopt) << names[i];
        SetRunValue(names[i], before[i]);
    }
}
