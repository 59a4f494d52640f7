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

TEST_F(Schedule, WithinTheHoursItFlashesAPauseFromTheMenuLastsUntilResumeAndOutsideThemItWaitsAndSaysUntilWhen)
{
    const auto withHours = [](int from, int to) {
        return PredictableSettings(300, true) + "[Schedule]\r\nUseSchedule=1\r\nFrom=" + HoursFromNow(from) +
               "\r\nTo=" + HoursFromNow(to) + "\r\n";
    };
    // Whether a flash comes within ms, and whether none does for ms once the one on screen is gone.
    const auto flashes = [&](DWORD ms) { return PumpUntil([&] { return IsWindowVisible(Window("HalcyraFlash")); }, ms); };
    const auto quiet = [&](DWORD ms) {
        return PumpUntil([&] { return !IsWindowVisible(Window("HalcyraFlash")); }, 1000) && !flashes(ms);
    };
    WriteBytes(settingsPath, withHours(-1, 1));  // across midnight near it
    Launch();
    EXPECT_TRUE(flashes(2500)) << "within the hours";
    ChooseFromTrayMenu({'P', '3'});
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - paused until "));
    EXPECT_TRUE(quiet(2500)) << "paused";
    ChooseFromTrayMenu({'R'});
    EXPECT_TRUE(flashes(2500)) << "resumed";
    ChooseFromTrayMenu({'X'});
    ASSERT_EQ(WaitForSingleObject(process.get(), kActionTimeoutMs), WAIT_OBJECT_0);

    WriteBytes(settingsPath, withHours(2, 3));
    Launch();
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - waiting for "));
    EXPECT_TRUE(quiet(2500)) << "outside the hours";
}
