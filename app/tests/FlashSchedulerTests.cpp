#include "app/FlashScheduler.h"

#include "settings/Settings.h"
#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>

using Calls = std::vector<std::string>;

// The scheduler's host, writing down every request it is given, in order.
class FlashSchedulerTest : public ::testing::Test, public SchedulerHost {
protected:
    void SetUp() override { gSettings = DefaultSettings(); }

    void EnableFlashTimer() override { calls.push_back("EnableFlash"); }
    void DisableFlashTimer() override { calls.push_back("DisableFlash"); }
    void EnableHideTimer(int32_t ms) override { calls.push_back("EnableHide " + std::to_string(ms)); }
    void DisableHideTimer() override { calls.push_back("DisableHide"); }
    void EnableActionTimer() override { calls.push_back("EnableAction"); }
    void DisableActionTimer() override { calls.push_back("DisableAction"); }
    void ShowText(std::string text, std::string font, int32_t size, bool bold, int32_t colour, int32_t opacity,
                  bool allMonitors) override
    {
        calls.push_back(text + "|" + font + "|" + std::to_string(size) + "|" + std::to_string(bold) + "|" +
                        std::to_string(colour) + "|" + std::to_string(opacity) + "|" + std::to_string(allMonitors));
    }
    void HideNow() override { calls.push_back("HideNow"); }
    void UpdateUI() override { calls.push_back("UpdateUI"); }
    void ShowSettings() override { calls.push_back("ShowSettings"); }
    void ShowTrayMenu() override { calls.push_back("ShowTrayMenu"); }
    std::optional<NotificationState> QueryNotificationState() override
    {
        calls.push_back("Query");
        return answer;
    }

    Calls calls;
    std::optional<NotificationState> answer;
    FlashScheduler scheduler{*this};
};

TEST_F(FlashSchedulerTest, StartAndStopActOnceEachNewSettingsRenewTheCountdownWhileActiveAndTheLatestTrayRequestRuns)
{
    ScriptedRandom draws{0.5f, 0.99999994f};  // RandInt(5, 20) gives 13, then RandInt(30, 40) 40
    scheduler.SettingsChanged();
    scheduler.ToggleFlashing();
    scheduler.FlashTimerTick();
    scheduler.StartFlashing();
    EXPECT_EQ(scheduler.Countdown(), 12900);
    std::tie(gSettings.IntervalMin, gSettings.IntervalMax) = std::pair(30, 40);
    scheduler.SettingsChanged();
    EXPECT_EQ(scheduler.Countdown(), 40000);
    scheduler.ToggleFlashing();
    scheduler.SettingsChanged();
    scheduler.StopFlashing();
    // Of the tray requests queued before the action timer fires, only the latest is performed.
    scheduler.QueueAction(ActionSettings);
    scheduler.QueueAction(ActionTrayMenu);
    scheduler.ActionTimerTick();
    scheduler.ActionTimerTick();
    scheduler.QueueAction(ActionSettings);
    scheduler.ActionTimerTick();
    EXPECT_EQ(calls, (Calls{"EnableFlash", "UpdateUI", "DisableFlash", "DisableHide", "HideNow", "UpdateUI",
                            "EnableAction", "EnableAction", "DisableAction", "ShowTrayMenu", "DisableAction",
                            "EnableAction", "DisableAction", "ShowSettings"}));
}

TEST_F(FlashSchedulerTest, FlashesOnTheTenthTickOfASecondUnlessTheUserIsBusyOrTheListIsEmpty)
{
    // Ticks with the system giving this answer: how often it was asked, how many flashes shown.
    const auto ticks = [this](int count, std::optional<NotificationState> state) {
        answer = state;
        calls.clear();
        for (int tick = 0; tick < count; ++tick)
            scheduler.FlashTimerTick();
        return std::pair(std::ranges::count(calls, "Query"), std::ranges::count(calls, "EnableHide 100"));
    };
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    scheduler.StartFlashing();
    EXPECT_EQ(ticks(9, std::nullopt), std::pair(0L, 0L));
    EXPECT_EQ(ticks(1, std::nullopt), std::pair(1L, 1L));
    // The system is asked only when a flash falls due, and only a system that accepts
    // notifications, or cannot tell, lets it show; a skipped flash still starts the next
    // countdown.
    for (int32_t state = 1; state <= 7; ++state)
        EXPECT_EQ(ticks(10, static_cast<NotificationState>(state)), std::pair(1L, state == 5 ? 1L : 0L)) << state;
    gSettings.PauseWhenBusy = false;
    EXPECT_EQ(ticks(10, NotificationState::Busy), std::pair(0L, 1L));
    gSettings.Messages.clear();
    EXPECT_EQ(ticks(10, std::nullopt), std::pair(0L, 0L));
}

TEST_F(FlashSchedulerTest, DrawsMessageThenSizeThenColourWhenRandomPassesTheLookOnAndShowsIt1To65535Ms)
{
    std::tie(gSettings.RandomColor, gSettings.FontName, gSettings.Bold, gSettings.Opacity, gSettings.AllMonitors,
             gSettings.DurationMs) = std::tuple(true, "Verdana", false, 77, false, 0);
    // message floor(0.5 * 5) = 2; size 28 + floor(0.25 * 21) = 33; colour 128, 64, 192
    ScriptedRandom draws{0.5f, 0.25f, 0.5f, 0.25f, 0.75f, 0.0f, 0.0f};
    scheduler.ShowRandomMessage();
    std::tie(gSettings.RandomColor, gSettings.DurationMs) = std::pair(false, 65536);
    scheduler.ShowRandomMessage();
    EXPECT_EQ(calls, (Calls{"DisableHide", "You can do this|Verdana|33|0|12599424|77|0", "EnableHide 1", "DisableHide",
                            "You are calm|Verdana|28|0|16777215|77|0", "EnableHide 65535"}));
}
