#include "app/FlashScheduler.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "settings/Random.h"
#include "settings/SettingsFields.h"

// The stored interval range keeps the countdown within 32 bits.
static_assert(int64_t{kIntervalRange.hi} * 1000 <= INT32_MAX);

void FlashScheduler::StartFlashing()
{
    if (active_)
        return;
    active_ = true;
    ScheduleNextFlash();
    host_.EnableFlashTimer();
    host_.UpdateUI();
}

void FlashScheduler::StopFlashing()
{
    if (!active_)
        return;
    active_ = false;
    host_.DisableFlashTimer();
    host_.DisableHideTimer();
    host_.HideNow();
    host_.UpdateUI();
}

void FlashScheduler::ToggleFlashing()
{
    if (active_)
        StopFlashing();
    else
        StartFlashing();
}

void FlashScheduler::SettingsChanged()
{
    if (active_)
        ScheduleNextFlash();
}

void FlashScheduler::ScheduleNextFlash()
{
    countdown_ = RandInt(gSettings.IntervalMin, gSettings.IntervalMax) * 1000;
}

bool MayDisturb(std::optional<NotificationState> state)
{
    return !state || *state == NotificationState::AcceptsNotifications;
}

void FlashScheduler::FlashTimerTick()
{
    countdown_ -= FlashTickMs;
    if (countdown_ > 0)
        return;
    // A skipped flash counts as shown: the next countdown starts all the same.
    if (!gSettings.PauseWhenBusy || MayDisturb(host_.QueryNotificationState()))
        ShowRandomMessage();
    ScheduleNextFlash();
}

void FlashScheduler::ShowRandomMessage()
{
    const Settings& s = gSettings;
    if (s.Messages.empty())
        return;
    const double r = NextRandomFraction();
    const auto index = static_cast<std::size_t>(std::floor(r * static_cast<double>(s.Messages.size())));
    const int32_t size = RandInt(s.FontSizeMin, s.FontSizeMax);
    const int32_t colour = s.RandomColor ? RandomTextColor() : s.Color;
    FlashCustom(s.Messages[index], s.FontName, size, s.Bold, colour, s.Opacity, s.AllMonitors,
                s.DurationMs);
}

void FlashScheduler::FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold,
                                 int32_t lColor, int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs)
{
    host_.DisableHideTimer();
    host_.ShowText(std::move(sText), std::move(sFont), lSize, bBold, lColor, lOpacity, bAllMonitors);
    host_.EnableHideTimer(std::clamp(lDurationMs, 1, 65535));
}

void FlashScheduler::HideTimerTick()
{
    host_.DisableHideTimer();
    host_.HideNow();
}

void FlashScheduler::QueueAction(int32_t lAction)
{
    pendingAction_ = lAction;
    host_.EnableActionTimer();
}

void FlashScheduler::ActionTimerTick()
{
    host_.DisableActionTimer();
    const int32_t action = std::exchange(pendingAction_, ActionNone);
    if (action == ActionSettings)
        host_.ShowSettings();
    else if (action == ActionTrayMenu)
        host_.ShowTrayMenu();
}
