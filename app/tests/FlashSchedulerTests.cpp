#include "app/FlashScheduler.h"

#include "settings/Settings.h"
#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>

using Calls = std::vector<std::string>;
using namespace std::chrono;

// A wall clock that reads UTC.
struct UtcZone final : LocalZone {
    local_seconds ToLocal(sys_seconds instant) const override { return local_seconds{instant.time_since_epoch()}; }
    sys_seconds ToUtc(local_seconds wall) const override { return sys_seconds{wall.time_since_epoch()}; }
};

// The scheduler's host on a scripted clock, writing down every request it is given, in order;
// moments and delays in milliseconds.
class FlashSchedulerTest : public ::testing::Test, public SchedulerHost {
protected:
    void SetUp() override { gSettings = DefaultSettings(); }

    static std::string Ms(Nanoseconds t) { return std::to_string(std::chrono::duration_cast<milliseconds>(t).count()); }
    Nanoseconds Now() override { return now; }
    sys_seconds WallNow() override { return floor<seconds>(wall); }
    const LocalZone& Zone() override { return zone; }
    // Fires the flash timer once the delay it was last given has passed, and late after that;
    // both clocks go on.
    void FireFlashTimer(milliseconds late = {})
    {
        const auto asked = std::ranges::find_if(calls.rbegin(), calls.rend(), [](const std::string& c) {
            return c.starts_with("EnableFlash");
        });
        const milliseconds delay = milliseconds(std::stoll(asked->substr(12))) + late;
        now += delay;
        wall += delay;
        calls.clear();
        scheduler.FlashTimerTick();
    }
    void EnableFlashTimer(Nanoseconds delay) override { calls.push_back("EnableFlash " + Ms(delay)); }
    void DisableFlashTimer() override { calls.push_back("DisableFlash"); }
    void SetFrameTimer(Nanoseconds at) override { calls.push_back("Frame " + Ms(at)); }
    void CancelFrameTimer() override { calls.push_back("CancelFrame"); }
    void EnableActionTimer() override { calls.push_back("EnableAction"); }
    void DisableActionTimer() override { calls.push_back("DisableAction"); }
    FrameGrid ReadFrameGrid() override { return grid; }
    bool PrepareText(std::string text, std::string font, int32_t size, bool bold, int32_t colour, int32_t opacity,
                     bool allMonitors) override
    {
        calls.push_back(text + "|" + font + "|" + std::to_string(size) + "|" + std::to_string(bold) + "|" +
                        std::to_string(colour) + "|" + std::to_string(opacity) + "|" + std::to_string(allMonitors));
        return !text.empty();
    }
    void ShowPrepared() override { calls.push_back("Show"); }
    void HideNow() override { calls.push_back("HideNow"); }
    void UpdateUI() override { calls.push_back("UpdateUI"); }
    void ShowSettings() override { calls.push_back("ShowSettings"); }
    void ShowTrayMenu() override { calls.push_back("ShowTrayMenu"); }
    void ExitApp() override { calls.push_back("ExitApp"); }
    std::optional<NotificationState> QueryNotificationState() override
    {
        calls.push_back("Query");
        return answer;
    }

    Nanoseconds now{milliseconds(1000)};
    sys_time<Nanoseconds> wall{sys_days{2024y / June / 3} + 8h};  // a Monday, 08:00
    UtcZone zone;
    FrameGrid grid{milliseconds(20), milliseconds(3)};  // 50 Hz, frames in the middle at 13, 33, 53... ms
    Calls calls;
    std::optional<NotificationState> answer;
    FlashScheduler scheduler{*this};
};

TEST_F(FlashSchedulerTest, StartAndStopActOnceEachNewSettingsStartAFreshPauseWhileActiveAndTheLatestTrayRequestRuns)
{
    ScriptedRandom draws{0.5f, 0.99999994f};  // RandInt(5, 20) gives 13, then RandInt(30, 40) 40
    scheduler.SettingsChanged();
    scheduler.ToggleFlashing();
    now += milliseconds(100);
    scheduler.FlashTimerTick();  // early: the same moment again
    scheduler.StartFlashing();
    std::tie(gSettings.IntervalMin, gSettings.IntervalMax) = std::pair(30, 40);
    scheduler.SettingsChanged();
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
    EXPECT_EQ(calls, (Calls{"EnableFlash 13000", "UpdateUI", "DisableFlash", "EnableFlash 12900", "EnableFlash 40000",
                            "DisableFlash", "CancelFrame", "HideNow", "UpdateUI", "EnableAction", "EnableAction",
                            "DisableAction", "ShowTrayMenu", "DisableAction", "EnableAction", "DisableAction",
                            "ShowSettings"}));
}

TEST_F(FlashSchedulerTest, AFlashFallsDueEverySecondCountedFromTheLastUnlessTheUserIsBusyOrTheListIsEmpty)
{
    // Fires the flash timer at the moment it asked for plus late: what was asked, whether the
    // system was asked, whether a flash was drawn.
    const auto fire = [this](milliseconds late, std::optional<NotificationState> state) {
        answer = state;
        FireFlashTimer(late);
        return std::tuple(calls.back(), std::ranges::count(calls, "Query"), std::ranges::count(calls, "Show"));
    };
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    grid.blank.reset();  // shown at once
    scheduler.StartFlashing();
    // Late by 4 ms, the next pause still counts from the moment the flash fell due.
    EXPECT_EQ(fire(milliseconds(4), std::nullopt), std::tuple("EnableFlash 996", 1, 1));
    // The system is asked only when a flash falls due, and only one that accepts notifications,
    // or cannot tell, lets it show; a skipped flash still starts the next pause.
    for (int32_t state = 1; state <= 7; ++state)
        EXPECT_EQ(fire(milliseconds(0), static_cast<NotificationState>(state)),
                  std::tuple("EnableFlash 1000", 1, state == 5 ? 1 : 0)) << state;
    gSettings.PauseWhenBusy = false;
    EXPECT_EQ(fire(milliseconds(0), NotificationState::Busy), std::tuple("EnableFlash 1000", 0, 1));
    // After the machine slept through many pauses: one flash, and a pause from now.
    EXPECT_EQ(fire(std::chrono::hours(1), std::nullopt), std::tuple("EnableFlash 1000", 0, 1));
    gSettings.Messages.clear();
    EXPECT_EQ(fire(milliseconds(0), std::nullopt), std::tuple("EnableFlash 1000", 0, 0));
}

TEST_F(FlashSchedulerTest, DrawsMessageThenSizeThenColourWhenRandomAndPassesTheLookOn)
{
    std::tie(gSettings.RandomColor, gSettings.FontName, gSettings.Bold, gSettings.Opacity, gSettings.AllMonitors) =
        std::tuple(true, "Verdana", false, 77, false);
    // message floor(0.5 * 5) = 2; size 28 + floor(0.25 * 21) = 33; colour 128, 64, 192
    ScriptedRandom draws{0.5f, 0.25f, 0.5f, 0.25f, 0.75f, 0.0f, 0.0f};
    scheduler.ShowRandomMessage();
    gSettings.RandomColor = false;
    scheduler.ShowRandomMessage();
    EXPECT_EQ(calls[0], "You can do this|Verdana|33|0|12599424|77|0");
    EXPECT_EQ(calls[2], "You are calm|Verdana|28|0|16777215|77|0");
}

TEST_F(FlashSchedulerTest, AFlashIsShownInTheMiddleOfAFrameForItsWholeFramesAndANewOneReplacesIt)
{
    // Now is 1000 ms; frames have their middles at 1013, 1033, 1053...
    const auto at = [this](int32_t ms) {
        now = milliseconds(ms);
        scheduler.FrameTimerTick();
    };
    scheduler.FlashCustom("a", "Arial", 30, true, 0, 255, true, 50);  // 2.5 frames: 3
    at(1012);  // early: asks again
    at(1014);
    at(1072);
    at(1074);
    at(1074);  // a second tick changes nothing
    EXPECT_EQ(calls, (Calls{"a|Arial|30|1|0|255|1", "Frame 1013", "Frame 1013", "Show", "Frame 1073", "Frame 1073",
                            "HideNow", "CancelFrame", "CancelFrame"}));
    // A flash while one is shown hides it and shows the new one at its own frame; one with
    // nothing to show leaves the shown one to its timer.
    calls.clear();
    scheduler.FlashCustom("b", "Arial", 30, true, 0, 255, true, 10);
    at(1093);
    now = milliseconds(1100);
    scheduler.FlashCustom("", "Arial", 30, true, 0, 255, true, 10);
    scheduler.FlashCustom("c", "Arial", 30, true, 0, 255, true, 10);
    // Shown late, past the next blank at 1123: still one whole frame, after the frame it appeared in.
    at(1125);
    at(1153);
    EXPECT_EQ(calls, (Calls{"b|Arial|30|1|0|255|1", "Frame 1093", "Show", "Frame 1113", "|Arial|30|1|0|255|1",
                            "c|Arial|30|1|0|255|1", "Frame 1113", "Show", "Frame 1153", "HideNow", "CancelFrame"}));
}

TEST_F(FlashSchedulerTest, OutsideTheHoursNothingFallsDueUntilTheyBeginAndAPauseEndsByItselfOrByResumeOrStop)
{
    std::tie(gSettings.IntervalMin, gSettings.IntervalMax, gSettings.UseSchedule) = std::tuple(1, 1, true);
    std::tie(gSettings.From, gSettings.To, gSettings.Days) = std::tuple(TimeOfDay{9 * 60}, TimeOfDay{17 * 60}, 1);
    grid.blank.reset();  // flashes shown at once
    const sys_seconds monday = sys_days{2024y / June / 3};
    // What the flash timer asks for next, and the status then.
    const auto fire = [this] {
        FireFlashTimer();
        return std::pair(calls, scheduler.Status());
    };
    using Status = SchedulerStatus;
    scheduler.StartFlashing();  // at 08:00: no timer before 09:00
    EXPECT_EQ(calls, (Calls{"EnableFlash 3600000", "UpdateUI"}));
    wall += 30min;  // the clock set forward
    scheduler.ClockChanged();
    EXPECT_EQ(fire(), std::pair(Calls{"DisableFlash", "EnableFlash 1000", "UpdateUI"}, Status{true}));
    EXPECT_EQ(std::ranges::count(fire().first, "Show"), 1) << "a flash a second from 09:00";
    // The flash that falls due at 17:00 is not shown: next Monday at 09:00.
    wall = monday + 17h - 1s;
    now += 1s;
    EXPECT_EQ(fire().second, (Status{true, Quiet::OutsideHours, monday + days{7} + 9h}));
    // A pause, ended by itself, by Resume, or by Stop; until tomorrow is the next day's hours.
    wall = monday + 10h;
    scheduler.ClockChanged();
    scheduler.PauseFor(30min);
    EXPECT_EQ(scheduler.Status(), (Status{true, Quiet::Paused, monday + 10h + 30min}));
    EXPECT_EQ(fire().second, (Status{true}));
    scheduler.PauseUntilTomorrow();
    EXPECT_EQ(scheduler.Status(), (Status{true, Quiet::Paused, monday + days{7} + 9h}));
    scheduler.Resume();
    EXPECT_EQ(scheduler.Status(), (Status{true}));
    scheduler.PauseFor(1h);
    scheduler.StopFlashing();
    scheduler.PauseFor(1h);
    EXPECT_EQ(scheduler.Status(), (Status{false}));
}

TEST_F(FlashSchedulerTest, CommandsFromOutsideArePerformedInTheirOrderByTheActionTimerAndNoneAfterExit)
{
    grid.blank.reset();
    gSettings.FontSizeMin = gSettings.FontSizeMax = 30;
    for (const Command& command : {Command{CommandKind::Start}, Command{CommandKind::Show, 0, "hello"},
                                   Command{CommandKind::Pause, 15}, Command{CommandKind::Settings},
                                   Command{CommandKind::Exit}, Command{CommandKind::Stop}})
        scheduler.QueueCommand(command);
    EXPECT_EQ(calls, Calls(6, "EnableAction")) << "nothing performed inside the message that brought them";
    calls.clear();
    const ScriptedRandom draws{0.f, 0.f};  // the pause between flashes, the size
    scheduler.ActionTimerTick();
    EXPECT_EQ(calls, (Calls{"DisableAction", "EnableFlash 5000", "UpdateUI", "hello|Arial|30|1|16777215|230|1", "Show",
                            "Frame 1100", "EnableFlash 900000", "UpdateUI", "ShowSettings", "ExitApp"}));
    EXPECT_EQ(scheduler.Status(), (SchedulerStatus{true, Quiet::Paused, floor<seconds>(wall) + 15min}));
}
