#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include <deque>

#include "app/ActiveHours.h"
#include "app/Command.h"
#include "flash/FrameGrid.h"

// How long a queued tray request waits, so that it runs after the notification returns.
inline constexpr int32_t ActionDelayMs = 10;

// Tray requests waiting for the action timer.
inline constexpr int32_t ActionNone = 0;
inline constexpr int32_t ActionSettings = 1;
inline constexpr int32_t ActionTrayMenu = 2;

// Whether the user may be disturbed, as the shell numbers its answers.
enum class NotificationState : int32_t {
    NotPresent = 1,
    Busy,                  // a full-screen program
    RunningD3dFullScreen,
    PresentationMode,
    AcceptsNotifications,
    QuietTime,
    App,                   // a full-screen app
};

// A flash that falls due is shown only when the system accepts notifications, or cannot tell.
bool MayDisturb(std::optional<NotificationState> state);

// Why flashing that is active shows nothing for now.
enum class Quiet { No, Paused, OutsideHours };

// What the tray tells of the scheduler.
struct SchedulerStatus {
    bool active = false;
    Quiet quiet = Quiet::No;
    // When a pause ends or the hours begin; nothing when no day is chosen.
    std::optional<std::chrono::sys_seconds> until{};

    bool operator==(const SchedulerStatus&) const = default;
};

// What the scheduler has done by the window that owns its timers and the flash window.
class SchedulerHost {
public:
    // The monotonic clock that flashes and the pauses between them are on.
    virtual Nanoseconds Now() = 0;
    // The wall clock and the user's time zone, which working hours and pauses are on.
    virtual std::chrono::sys_seconds WallNow() = 0;
    virtual const LocalZone& Zone() = 0;
    // tmrFlash: one shot, when the next flash falls due, the hours begin or a pause ends.
    virtual void EnableFlashTimer(Nanoseconds delay) = 0;
    virtual void DisableFlashTimer() = 0;
    // The frame timer: one shot at a moment within a frame, to a fraction of a millisecond.
    virtual void SetFrameTimer(Nanoseconds at) = 0;
    virtual void CancelFrameTimer() = 0;
    virtual void EnableActionTimer() = 0;
    virtual void DisableActionTimer() = 0;
    // Read afresh for every flash: the user may have changed displays.
    virtual FrameGrid ReadFrameGrid() = 0;
    // Draws a flash into the hidden window; false when there is nothing to show.
    virtual bool PrepareText(std::string sText, std::string sFont, int32_t lSize, bool bBold,
                             int32_t lColor, int32_t lOpacity, bool bAllMonitors) = 0;
    virtual void ShowPrepared() = 0;
    virtual void HideNow() = 0;
    virtual void UpdateUI() = 0;
    virtual void ShowSettings() = 0;
    virtual void ShowTrayMenu() = 0;
    virtual void ExitApp() = 0;
    // Asked only when a flash falls due; nothing when the system cannot tell.
    virtual std::optional<NotificationState> QueryNotificationState() = 0;

protected:
    ~SchedulerHost() = default;
};

// Decides when which message is flashed and for how many frames, and holds the one tray
// request that waits for the action timer. Reads gSettings at every step.
class FlashScheduler {
public:
    explicit FlashScheduler(SchedulerHost& host) : host_(host) {}

    bool IsActive() const { return active_; }
    SchedulerStatus Status() const { return {active_, quiet_, until_}; }

    void StartFlashing();
    void StopFlashing();
    void ToggleFlashing();
    void SettingsChanged();
    // A pause that ends by itself; only while active. Stop ends it too.
    void PauseFor(std::chrono::minutes length);
    void PauseUntilTomorrow();
    void Resume();
    // The wall clock was set, its zone changed, or the machine woke: moments on it are
    // worked out afresh.
    void ClockChanged();
    void ShowRandomMessage();
    // A text of the caller's in the look of the settings, as a message of the list would be.
    void ShowMessage(std::string sText);
    void FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                     int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs);
    void QueueAction(int32_t lAction);
    // Performed in their order by the action timer, after the tray's request.
    void QueueCommand(Command command);

    // Each may come early or late, or twice: it acts only on what has fallen due.
    void FlashTimerTick();
    void FrameTimerTick();
    void ActionTimerTick();

private:
    enum class FlashPhase { None, Waiting, Shown };

    // A fresh pause between flashes, as Start begins one, unless the hours say to wait.
    void Begin();
    // A pause of whole seconds counted from `from`, or from now when the machine slept past it.
    void ScheduleNextFlash(Nanoseconds from);
    void EnableFlashTimer();
    // The wall clock's moment from which flashes may fall due: now within the hours.
    std::optional<std::chrono::sys_seconds> NextOpening(std::chrono::sys_seconds wall);
    void Quieten(Quiet why, std::optional<std::chrono::sys_seconds> until);
    void EnableWallTimer();
    void Perform(const Command& command);

    SchedulerHost& host_;
    bool active_ = false;
    Quiet quiet_ = Quiet::No;
    std::optional<std::chrono::sys_seconds> until_;  // while quiet
    Nanoseconds due_{};  // when the next flash falls due, while active and not quiet
    FlashPhase phase_ = FlashPhase::None;
    FrameTiming timing_;
    Nanoseconds hideAt_{};
    int32_t pendingAction_ = ActionNone;
    std::deque<Command> pendingCommands_;
};
