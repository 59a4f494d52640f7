#include "tests/e2e/driver/E2eTest.h"

// "HH:MM" on the local clock, some hours from now.
static std::string HoursFromNow(int hours)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char time[6];
    std::snprintf(time, sizeof time, "%02d:%02d", (now.wHour + 24 + hours) % 24, now.wMinute);
    return time;
}

using Schedule = E2eTest;

// That nothing flashes outside the hours or while paused, and that a flash comes within them,
// are the scheduler's tests; here the tip tells the state the file and the menu lead to.
TEST_F(Schedule, OutsideItsHoursItWaitsAndSaysUntilWhenAndAPauseFromTheMenuLastsUntilResume)
{
    WriteBytes(settingsPath, PredictableSettings(300, true) + "[Schedule]\r\nUseSchedule=1\r\nFrom=" + HoursFromNow(2) +
                                 "\r\nTo=" + HoursFromNow(3) + "\r\n");
    Launch();
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - waiting for "));
    ChooseFromTrayMenu({'P', '3'});
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - paused until "));
    ChooseFromTrayMenu({'R'});
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - waiting for "));
}
