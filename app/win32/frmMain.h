#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/FlashScheduler.h"
#include "app/win32/TrayIcon.h"
#include "app/win32/TrayMenu.h"
#include "app/win32/WindowHook.h"
#include "dialog/win32/SettingsHost.h"
#include "flash/win32/FrameGridQuery.h"
#include "hotkeys/win32/modHotkey.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Handles.h"
#include "platform/win32/LocalTime.h"
#include "platform/win32/PreciseTimer.h"
#include "platform/win32/Window.h"

class frmFlash;

// The main window's class and title, by which a second launch finds the running instance.
inline constexpr char kMainWindowClass[] = "HalcyraMain";
inline constexpr char kMainWindowTitle[] = "Halcyra";

// What the main form asks of the system: its own calls but in tests.
struct MainFormCalls {
    using NotificationQuery = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE* state);
    NotificationQuery queryNotificationState = &SHQueryUserNotificationState;
    FrameGridCalls frameGrid;
    MonitorDpiQuery monitorDpi = SystemMonitorDpiQuery();
};

// The hidden main window. It owns the tray icon and menu, the scheduler's timers, and is
// the window the hotkeys and tray events arrive at.
class frmMain final : public Window, public SettingsHost, private SchedulerHost {
public:
    // Creates the window hidden and runs its load handler to the end, a warning box included.
    frmMain(HINSTANCE instance, frmFlash& flash, MainFormCalls calls = {});
    ~frmMain();  // destroys the window if it still exists

    bool IsActive() const;
    void AddTrayIcon();
    void UpdateUI() override;
    void QueueAction(int32_t lAction);
    void ShowSettings() override;
    void StartFlashing();
    void StopFlashing();
    void ToggleFlashing();
    void PauseFor(std::chrono::minutes length);
    void Resume();
    void SettingsChanged() override;
    void ShowRandomMessage();
    void FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                     int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs) override;
    void ExitApp() override;
    // A command from the command line of this launch or of a later one; performed after the
    // message that brought it has returned.
    void QueueCommand(Command command);

    HWND HotkeyWindow() const override;
    FrameGrid ReadFrameGrid() override;
    const TrayIcon& Tray() const { return tray_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void Form_Load();
    // A command record handed over by a later launch; false when it is not one.
    bool OnCopyData(const COPYDATASTRUCT& data);
    void Form_Unload();
    void StopTimers();
    void OnTimer(UINT_PTR timer);

    void ShowTrayMenu() override;
    void OnTrayItem(UINT item);
    void OnPauseChoice(UINT item);
    std::string TipText() const;

    Nanoseconds Now() override;
    std::chrono::sys_seconds WallNow() override;
    const LocalZone& Zone() override;
    void EnableFlashTimer(Nanoseconds delay) override;
    void DisableFlashTimer() override;
    void SetFrameTimer(Nanoseconds at) override;
    void CancelFrameTimer() override;
    void EnableActionTimer() override;
    void DisableActionTimer() override;
    bool PrepareText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                     int32_t lOpacity, bool bAllMonitors) override;
    void ShowPrepared() override;
    void HideNow() override;
    std::optional<NotificationState> QueryNotificationState() override;

    void LoadTrayImage();

    frmFlash& flash_;
    MainFormCalls calls_;
    SystemZone zone_;
    UniqueIcon trayImage_;  // the icon at the tray's size, which the shell shows
    FlashScheduler scheduler_{*this};
    TrayMenu menu_;
    bool exitRequested_ = false;
    // Released by the unload handler from the last to the first, or else in that order
    // when the form goes.
    std::unique_ptr<PreciseTimer> frameTimer_;
    WindowHookOwner hook_;
    TrayIcon tray_;  // declared after the image it shows
    HotkeyOwner hotkeys_;
};

// The one main form of the process; nullptr while there is none.
frmMain* MainForm();
