#include "app/FlashScheduler.h"

#include "settings/Settings.h"
#include "settings/tests/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes down every request the scheduler makes, in order.
class RecordingHost final : public SchedulerHost {
public:
    std::vector<std::string> calls;

    void EnableFlashTimer() override { calls.push_back("EnableFlash"); }
    void DisableFlashTimer() override { calls.push_back("DisableFlash"); }
    void EnableHideTimer(int32_t ms) override { calls.push_back("EnableHide " + std::to_string(ms)); }
    void DisableHideTimer() override { calls.push_back("DisableHide"); }
    void EnableActionTimer() override { calls.push_back("EnableAction"); }
    void DisableActionTimer() override { calls.push_back("DisableAction"); }
    void ShowText(std::string text, std::string font, int32_t size, bool bold, int32_t colour,
                  int32_t opacity, bool allMonitors) override
    {
        calls.push_back("ShowText " + text + "|" + font + "|" + std::to_string(size) + "|" +
                        std::to_string(bold) + "|" + std::to_string(colour) + "|" +
                        std::to_string(opacity) + "|" + std::to_string(allMonitors));
    }
    void HideNow() override { calls.push_back("HideNow"); }
    void UpdateUI() override { calls.push_back("UpdateUI"); }
    void ShowSettings() override { calls.push_back("ShowSettings"); }
    void ShowTrayMenu() override { calls.push_back("ShowTrayMenu"); }

    int Count(const std::string& prefix) const
    {
        int n = 0;
        for (const std::string& c : calls)
            n += c.rfind(prefix, 0) == 0;
        return n;
    }
};

class FlashSchedulerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSettings = DefaultSettings();
        gSettings.Messages = {"one", "two", "three", "four"};
    }

    using Calls = std::vector<std::string>;
    RecordingHost host;
    FlashScheduler scheduler{host};
};

}  // namespace

TEST_F(FlashSchedulerTest, StartsWithACountdownOfWholeSecondsAndNoMessage)
{
    ScriptedRandom draws{0.5f};  // RandInt(5, 20) -> 13
    scheduler.StartFlashing();
    EXPECT_TRUE(scheduler.IsActive());
    EXPECT_EQ(scheduler.Countdown(), 13000);
    EXPECT_EQ(host.calls, (Calls{"EnableFlash", "UpdateUI"}));
}

TEST_F(FlashSchedulerTest, StartingTwiceKeepsTheFirstCountdown)
{
    ScriptedRandom draws{0.0f};
    scheduler.StartFlashing();
    scheduler.FlashTimerTick();
    scheduler.StartFlashing();
    EXPECT_EQ(scheduler.Countdown(), 4900);
    EXPECT_EQ(host.calls, (Calls{"EnableFlash", "UpdateUI"}));
}

TEST_F(FlashSchedulerTest, AOneSecondIntervalFlashesOnEveryTenthTick)
{
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    gSettings.Messages = {"only"};
    SeedRandom(3);
    scheduler.StartFlashing();
    std::vector<int> flashedAt;
    for (int tick = 1; tick <= 35; ++tick) {
        const int before = host.Count("ShowText");
        scheduler.FlashTimerTick();
        if (host.Count("ShowText") > before)
            flashedAt.push_back(tick);
    }
    EXPECT_EQ(flashedAt, (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(scheduler.Countdown(), 500);
}

TEST_F(FlashSchedulerTest, DrawsMessageThenSizeThenColourAndPassesTheLook)
{
    gSettings.RandomColor = true;
    gSettings.FontName = "Verdana";
    gSettings.Bold = false;
    gSettings.Opacity = 77;
    gSettings.AllMonitors = false;
    gSettings.DurationMs = 250;
    // message index floor(0.5 * 4) = 2; size 28 + floor(0.25 * 21) = 33; colour 128, 64, 192
    ScriptedRandom draws{0.5f, 0.25f, 0.5f, 0.25f, 0.75f};
    scheduler.ShowRandomMessage();
    const int32_t colour = 128 + 256 * 64 + 65536 * 192;
    EXPECT_EQ(host.calls, (Calls{"DisableHide",
                                 "ShowText three|Verdana|33|0|" + std::to_string(colour) + "|77|0",
                                 "EnableHide 250"}));
    EXPECT_EQ(draws.DrawsTaken(), 5u);
}

TEST_F(FlashSchedulerTest, AFixedColourTakesNoDraw)
{
    gSettings.Color = 0x123456;
    ScriptedRandom draws{0.99999994f, 0.0f};
    scheduler.ShowRandomMessage();
    EXPECT_EQ(draws.DrawsTaken(), 2u);
    EXPECT_EQ(host.calls.at(1), "ShowText four|Arial|28|1|" + std::to_string(0x123456) + "|230|1");
}

TEST_F(FlashSchedulerTest, AnEmptyListFlashesNothingButTheCountdownRenews)
{
    gSettings.Messages.clear();
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    ScriptedRandom draws{0.0f, 0.0f};
    scheduler.StartFlashing();
    for (int i = 0; i < 10; ++i)
        scheduler.FlashTimerTick();
    EXPECT_EQ(host.Count("ShowText"), 0);
    EXPECT_EQ(scheduler.Countdown(), 1000);
    EXPECT_EQ(draws.DrawsTaken(), 2u);
}

TEST_F(FlashSchedulerTest, StopHidesAtOnceAndLeavesTheHideTimerOff)
{
    ScriptedRandom draws{0.0f};
    scheduler.StartFlashing();
    host.calls.clear();
    scheduler.StopFlashing();
    EXPECT_FALSE(scheduler.IsActive());
    EXPECT_EQ(host.calls, (Calls{"DisableFlash", "DisableHide", "HideNow", "UpdateUI"}));
    scheduler.StopFlashing();
    EXPECT_EQ(host.calls.size(), 4u);
}

TEST_F(FlashSchedulerTest, ToggleAlternatesStartAndStop)
{
    ScriptedRandom draws{0.0f, 0.0f};
    scheduler.ToggleFlashing();
    EXPECT_TRUE(scheduler.IsActive());
    scheduler.ToggleFlashing();
    EXPECT_FALSE(scheduler.IsActive());
    scheduler.ToggleFlashing();
    EXPECT_TRUE(scheduler.IsActive());
    EXPECT_EQ(host.Count("UpdateUI"), 3);
}

TEST_F(FlashSchedulerTest, SettingsChangedRenewsTheCountdownOnlyWhileActive)
{
    ScriptedRandom draws{0.0f, 0.99999994f};
    scheduler.SettingsChanged();
    EXPECT_EQ(scheduler.Countdown(), 0);
    EXPECT_EQ(draws.DrawsTaken(), 0u);

    scheduler.StartFlashing();
    gSettings.IntervalMin = 30;
    gSettings.IntervalMax = 40;
    host.calls.clear();
    scheduler.SettingsChanged();
    EXPECT_EQ(scheduler.Countdown(), 40000);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(FlashSchedulerTest, ShowOneNowWhileStoppedLeavesTheScheduleAlone)
{
    ScriptedRandom draws{0.0f, 0.0f};
    scheduler.ShowRandomMessage();
    EXPECT_FALSE(scheduler.IsActive());
    EXPECT_EQ(scheduler.Countdown(), 0);
    EXPECT_EQ(host.Count("EnableFlash"), 0);
    scheduler.HideTimerTick();
    EXPECT_EQ(host.calls.back(), "HideNow");
    EXPECT_EQ(host.calls.at(host.calls.size() - 2), "DisableHide");
}

TEST_F(FlashSchedulerTest, DisplayTimeIsClampedToOneThroughFFFF)
{
    for (auto [asked, armed] : {std::pair{0, 1}, {-5, 1}, {1, 1}, {10, 10}, {65535, 65535},
                                {65536, 65535}, {INT32_MAX, 65535}}) {
        host.calls.clear();
        scheduler.FlashCustom("x", "Arial", 10, true, 0, 255, true, asked);
        EXPECT_EQ(host.calls.back(), "EnableHide " + std::to_string(armed)) << asked;
    }
}

TEST_F(FlashSchedulerTest, ANewFlashRestartsTheDisplayTime)
{
    scheduler.FlashCustom("first", "Arial", 10, false, 0, 255, false, 10000);
    scheduler.FlashCustom("second", "Arial", 10, false, 0, 255, false, 10000);
    EXPECT_EQ(host.calls, (Calls{"DisableHide", "ShowText first|Arial|10|0|0|255|0", "EnableHide 10000",
                                 "DisableHide", "ShowText second|Arial|10|0|0|255|0", "EnableHide 10000"}));
}

TEST_F(FlashSchedulerTest, OnlyTheLatestTrayRequestIsPerformedOnce)
{
    scheduler.QueueAction(ActionSettings);
    scheduler.QueueAction(ActionTrayMenu);
    scheduler.ActionTimerTick();
    scheduler.ActionTimerTick();
    EXPECT_EQ(host.calls, (Calls{"EnableAction", "EnableAction", "DisableAction", "ShowTrayMenu",
                                 "DisableAction"}));
}

TEST_F(FlashSchedulerTest, UnknownTrayRequestsDoNothing)
{
    scheduler.QueueAction(7);
    scheduler.ActionTimerTick();
    scheduler.QueueAction(ActionSettings);
    scheduler.ActionTimerTick();
    EXPECT_EQ(host.calls, (Calls{"EnableAction", "DisableAction", "EnableAction", "DisableAction",
                                 "ShowSettings"}));
}
