#include "app/FlashScheduler.h"

#include <cmath>
#include <utility>

#include "settings/Random.h"
#include "settings/Settings.h"

using std::chrono::sys_seconds;

void FlashScheduler::StartFlashing()
{
    if (active_)
        return;
    active_ = true;
    Begin();
    host_.UpdateUI();
}

void FlashScheduler::StopFlashing()
{
    if (!active_)
        return;
    active_ = false;
    quiet_ = Quiet::No;
    until_.reset();
    host_.DisableFlashTimer();
    host_.CancelFrameTimer();
    phase_ = FlashPhase::None;
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
    if (active_ && quiet_ != Quiet::Paused)
        Begin();
}

void FlashScheduler::PauseFor(std::chrono::minutes length)
{
    if (!active_)
        return;
    Quieten(Quiet::Paused, host_.WallNow() + length);
    host_.UpdateUI();
}

void FlashScheduler::PauseUntilTomorrow()
{
    if (!active_)
        return;
    Quieten(Quiet::Paused, UntilTomorrow(ActiveHoursOf(gSettings), host_.WallNow(), host_.Zone()));
    host_.UpdateUI();
}

void FlashScheduler::Resume()
{
    if (quiet_ != Quiet::Paused)
        return;
    Begin();
    host_.UpdateUI();
}

void FlashScheduler::ClockChanged()
{
    if (!active_ || quiet_ == Quiet::No)
        return;
    if (quiet_ == Quiet::Paused)
        EnableWallTimer();
    else
        Begin();
    host_.UpdateUI();
}

void FlashScheduler::Begin()
{
    const sys_seconds wall = host_.WallNow();
    const std::optional<sys_seconds> opening = NextOpening(wall);
    if (opening != wall) {
        Quieten(Quiet::OutsideHours, opening);
        return;
    }
    quiet_ = Quiet::No;
    until_.reset();
    ScheduleNextFlash(host_.Now());
}

std::optional<sys_seconds> FlashScheduler::NextOpening(sys_seconds wall)
{
    const std::optional<ActiveHours> hours = ActiveHoursOf(gSettings);
    return hours ? NextWithinHours(*hours, wall, host_.Zone()) : wall;
}

// No timer runs before the moment; with none, none runs at all.
void FlashScheduler::Quieten(Quiet why, std::optional<sys_seconds> until)
{
    quiet_ = why;
    until_ = until;
    EnableWallTimer();
}

void FlashScheduler::EnableWallTimer()
{
    if (until_)
        host_.EnableFlashTimer(*until_ - host_.WallNow());
    else
        host_.DisableFlashTimer();
}

void FlashScheduler::ScheduleNextFlash(Nanoseconds from)
{
    const Nanoseconds pause = std::chrono::seconds(RandInt(gSettings.IntervalMin, gSettings.IntervalMax));
    const Nanoseconds now = host_.Now();
    due_ = (from + pause > now ? from : now) + pause;
    EnableFlashTimer();
}

void FlashScheduler::EnableFlashTimer()
{
    host_.EnableFlashTimer(due_ - host_.Now());
}

bool MayDisturb(std::optional<NotificationState> state)
{
    return !state || *state == NotificationState::AcceptsNotifications;
}

void FlashScheduler::FlashTimerTick()
{
    host_.DisableFlashTimer();
    if (!active_)
        return;
    if (quiet_ != Quiet::No) {
        // The hours are worked out afresh: the clock may have changed meanwhile.
        if (quiet_ == Quiet::OutsideHours || (until_ && host_.WallNow() >= *until_))
            Begin();
        else
            EnableWallTimer();
        host_.UpdateUI();
        return;
    }
    if (host_.Now() < due_) {
        EnableFlashTimer();
        return;
    }
    const sys_seconds wall = host_.WallNow();
    if (NextOpening(wall) != wall) {
        Begin();
        host_.UpdateUI();
        return;
    }
    // A skipped flash counts as shown: the next pause starts all the same.
    if (!gSettings.PauseWhenBusy || MayDisturb(host_.QueryNotificationState()))
        ShowRandomMessage();
    ScheduleNextFlash(due_);
}

void FlashScheduler::ShowRandomMessage()
{
    const std::vector<std::string>& messages = gSettings.Messages;
    if (messages.empty())
        return;
    const double r = NextRandomFraction();
    ShowMessage(messages[static_cast<std::size_t>(std::floor(r * static_cast<double>(messages.size())))]);
}

void FlashScheduler::ShowMessage(std::string sText)
{
    const Settings& s = gSettings;
    const int32_t size = RandInt(s.FontSizeMin, s.FontSizeMax);
    const int32_t colour = s.RandomColor ? RandomTextColor() : s.Color;
    FlashCustom(std::move(sText), s.FontName, size, s.Bold, colour, s.Opacity, s.AllMonitors, s.DurationMs);
}

void FlashScheduler::FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold,
                                 int32_t lColor, int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs)
{
    if (!host_.PrepareText(std::move(sText), std::move(sFont), lSize, bBold, lColor, lOpacity, bAllMonitors))
        return;
    timing_ = PlanFrames(host_.ReadFrameGrid(), host_.Now(), lDurationMs);
    phase_ = FlashPhase::Waiting;
    FrameTimerTick();
}

void FlashScheduler::FrameTimerTick()
{
    const Nanoseconds now = host_.Now();
    if (phase_ == FlashPhase::Waiting && now >= timing_.show) {
        host_.ShowPrepared();
        hideAt_ = timing_.HideAfterShowingAt(now);
        phase_ = FlashPhase::Shown;
    } else if (phase_ == FlashPhase::Shown && now >= hideAt_) {
        host_.HideNow();
        phase_ = FlashPhase::None;
    }
    switch (phase_) {
    case FlashPhase::None: host_.CancelFrameTimer(); break;
    case FlashPhase::Waiting: host_.SetFrameTimer(timing_.show); break;
    case FlashPhase::Shown: host_.SetFrameTimer(hideAt_); break;
    }
}

void FlashScheduler::QueueAction(int32_t lAction)
{
    pendingAction_ = lAction;
    host_.EnableActionTimer();
}

void FlashScheduler::QueueCommand(Command command)
{
    pendingCommands_.push_back(std::move(command));
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
    // Each is taken off before it is performed: the tray menu above runs a loop of its own,
    // in which more commands may arrive and this timer fire again.
    while (!pendingCommands_.empty()) {
        const Command command = std::move(pendingCommands_.front());
        pendingCommands_.pop_front();
        Perform(command);
        if (command.Kind == CommandKind::Exit) {
            pendingCommands_.clear();
            return;
        }
    }
}

void FlashScheduler::Perform(const Command& command)
{
    switch (command.Kind) {
    case CommandKind::Start: StartFlashing(); break;
    case CommandKind::Stop: StopFlashing(); break;
    case CommandKind::Toggle: ToggleFlashing(); break;
    case CommandKind::Show: command.Text.empty() ? ShowRandomMessage() : ShowMessage(command.Text); break;
    case CommandKind::Pause: PauseFor(std::chrono::minutes(command.Minutes)); break;
    case CommandKind::Resume: Resume(); break;
    case CommandKind::Settings: host_.ShowSettings(); break;
    case CommandKind::Exit: host_.ExitApp(); break;
    case CommandKind::Help: break;  // answered by the launch that was asked
    }
}
