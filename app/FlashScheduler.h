#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The scheduler's tick, in milliseconds; the countdown counts ticks, not measured time.
inline constexpr int32_t FlashTickMs = 100;
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

// What the scheduler has done by the window that owns its timers and the flash window.
class SchedulerHost {
public:
    virtual void EnableFlashTimer() = 0;
    virtual void DisableFlashTimer() = 0;
    virtual void EnableHideTimer(int32_t intervalMs) = 0;
    virtual void DisableHideTimer() = 0;
    virtual void EnableActionTimer() = 0;
    virtual void DisableActionTimer() = 0;
    virtual void ShowText(std::string sText, std::string sFont, int32_t lSize, bool bBold,
                          int32_t lColor, int32_t lOpacity, bool bAllMonitors) = 0;
    virtual void HideNow() = 0;
    virtual void UpdateUI() = 0;
    virtual void ShowSettings() = 0;
    virtual void ShowTrayMenu() = 0;
    // Asked only when a flash falls due; nothing when the system cannot tell.
    virtual std::optional<NotificationState> QueryNotificationState() = 0;

protected:
    ~SchedulerHost() = default;
};

// Decides when which message is flashed and how long it stays, and holds the one tray
// request that waits for the action timer. Reads gSettings at every step.
class FlashScheduler {
public:
    explicit FlashScheduler(SchedulerHost& host) : host_(host) {}

    bool IsActive() const { return active_; }
    int32_t Countdown() const { return countdown_; }

    void StartFlashing();
    void StopFlashing();
    void ToggleFlashing();
    void SettingsChanged();
    void ShowRandomMessage();
    void FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                     int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs);
    void QueueAction(int32_t lAction);

    void FlashTimerTick();
    void HideTimerTick();
    void ActionTimerTick();

private:
    void ScheduleNextFlash();

    SchedulerHost& host_;
    bool active_ = false;
    int32_t countdown_ = 0;  // milliseconds until the next flash
    int32_t pendingAction_ = ActionNone;
};
