#include "app/FlashScheduler.h"

#include "settings/Settings.h"
#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Writes down every request the scheduler makes, in order.
class RecordingHost final : public SchedulerHost {
public:
    Calls calls;

    void EnableFlashTimer() override { calls.push_back("EnableFlash"); }
    void DisableFlashTimer() override { calls.push_back("DisableFlash"); }
    void EnableHideTimer(int32_t ms) override { calls.push_back("EnableHide " + std::to_string(ms)); }
    void DisableHideTimer() override { calls.push_back("DisableHide"); }
    void EnableActionTimer() override { calls.push_back("EnableAction"); }
    void DisableActionTimer() override { calls.push_back("DisableAction"); }
    void ShowText(std::string text, std::string font, int32_t size, bool bold, int32_t colour, int32_t opacity,
                  bool allMonitors) override
    {
        for (int32_t number : {size, int32_t{bold}, colour, opacity, int32_t{allMonitors}})
            font += "|" + std::to_string(number);
        calls.push_back("ShowText " + text + "|" + font);
    }
    void HideNow() override { calls.push_back("HideNow"); }
    void UpdateUI() override { calls.push_back("UpdateUI"); }
    void ShowSettings() override { calls.push_back("ShowSettings"); }
    void ShowTrayMenu() override { calls.push_back("ShowTrayMenu"); }
    std::optional<NotificationState> QueryNotificationState() override
    {
        calls.push_back("Query");
        return state;
    }

    std::optional<NotificationState> state = NotificationState::AcceptsNotifications;
};

class FlashSchedulerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSettings = DefaultSettings();
        gSettings.Messages = {"one", "two", "three", "four"};
    }
    // How many of the calls since the last look start with prefix.
    long Taken(std::string_view prefix)
    {
        const long n = std::count_if(host.calls.begin(), host.calls.end(),
                                     [&](const std::string& c) { return c.starts_with(prefix); });
        return n;
    }
    // Ten ticks with the system giving this answer: how often it was asked, how many shown.
    std::pair<long, long> OverASecond(std::optional<NotificationState> state)
    {
        host.state = state;
        host.calls.clear();
        for (int tick = 0; tick < 10; ++tick)
            scheduler.FlashTimerTick();
        return {Taken("Query"), Taken("ShowText")};
    }

    RecordingHost host;
    FlashScheduler scheduler{host};
};

}  // namespace

TEST_F(FlashSchedulerTest, StartingSetsACountdownOfWholeSecondsAndStoppingHidesAtOnceEachOnlyOnce)
{
    ScriptedRandom draws{0.5f};  // RandInt(5, 20) gives 13
    scheduler.StartFlashing();
    scheduler.FlashTimerTick();
    scheduler.StartFlashing();
    EXPECT_EQ(scheduler.Countdown(), 12900);
    EXPECT_EQ(host.calls, (Calls{"EnableFlash", "UpdateUI"}));
    scheduler.ToggleFlashing();
    scheduler.StopFlashing();
    EXPECT_FALSE(scheduler.IsActive());
    EXPECT_EQ(host.calls, (Calls{"EnableFlash", "UpdateUI", "DisableFlash", "DisableHide", "HideNow", "UpdateUI"}));
}

TEST_F(FlashSchedulerTest, OneSecondApartOnTheTenthTickUnlessTheUserIsBusyOrTheListEmpty)
{
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    SeedRandom(3);
    scheduler.StartFlashing();
    for (int tick = 1; tick < 10; ++tick)
        scheduler.FlashTimerTick();
    EXPECT_EQ(Taken("ShowText"), 0);
    scheduler.FlashTimerTick();
    EXPECT_EQ(Taken("ShowText"), 1);
    // The system is asked only when a flash falls due, and only a system that accepts
    // notifications, or cannot tell, lets it show; a skipped flash still starts the next
    // countdown.
    for (int32_t answer = 1; answer <= 7; ++answer)
        EXPECT_EQ(OverASecond(static_cast<NotificationState>(answer)), std::pair(1L, answer == 5 ? 1L : 0L)) << answer;
    EXPECT_EQ(OverASecond(std::nullopt), std::pair(1L, 1L));
    gSettings.PauseWhenBusy = false;
    EXPECT_EQ(OverASecond(NotificationState::Busy), std::pair(0L, 1L));
    gSettings.Messages.clear();
    EXPECT_EQ(OverASecond(std::nullopt), std::pair(0L, 0L));
    EXPECT_EQ(scheduler.Countdown(), 1000);
}

TEST_F(FlashSchedulerTest, DrawsMessageThenSizeThenColourAndPassesTheLookThrough)
{
    gSettings.RandomColor = true;
    gSettings.FontName = "Verdana";
    gSettings.Bold = false;
    gSettings.Opacity = 77;
    gSettings.AllMonitors = false;
    gSettings.DurationMs = 250;
    // message floor(0.5 * 4) = 2; size 28 + floor(0.25 * 21) = 33; colour 128, 64, 192
    ScriptedRandom draws{0.5f, 0.25f, 0.5f, 0.25f, 0.75f};
    scheduler.ShowRandomMessage();
    EXPECT_EQ(host.calls, (Calls{"DisableHide", "ShowText three|Verdana|33|0|" + std::to_string(0xC04080) + "|77|0",
                                 "EnableHide 250"}));
}

TEST_F(FlashSchedulerTest, NewSettingsRenewTheCountdownOnlyWhileActive)
{
    ScriptedRandom draws{0.0f, 0.99999994f};
    scheduler.SettingsChanged();
    EXPECT_EQ(draws.DrawsTaken(), 0u);
    scheduler.StartFlashing();
    gSettings.IntervalMin = 30;
    gSettings.IntervalMax = 40;
    scheduler.SettingsChanged();
    EXPECT_EQ(scheduler.Countdown(), 40000);
}

TEST_F(FlashSchedulerTest, DisplayTimeIsClampedToOneThrough65535)
{
    for (auto [asked, armed] : {std::pair{0, 1}, {-5, 1}, {10, 10}, {65535, 65535}, {65536, 65535}}) {
        scheduler.FlashCustom("x", "Arial", 10, true, 0, 255, true, asked);
        EXPECT_EQ(host.calls.back(), "EnableHide " + std::to_string(armed)) << asked;
    }
}

TEST_F(FlashSchedulerTest, OnlyTheLatestTrayRequestIsPerformedAndOnlyOnce)
{
    scheduler.QueueAction(ActionSettings);
    scheduler.QueueAction(ActionTrayMenu);
    scheduler.ActionTimerTick();
    scheduler.ActionTimerTick();
    scheduler.QueueAction(7);
    scheduler.ActionTimerTick();
    EXPECT_EQ(host.calls, (Calls{"EnableAction", "EnableAction", "DisableAction", "ShowTrayMenu", "DisableAction",
                                 "EnableAction", "DisableAction"}));
}
