#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

#include "app/FlashScheduler.h"
#include "app/win32/TrayIcon.h"
#include "app/win32/TrayMenu.h"
#include "app/win32/WindowHook.h"
#include "dialog/win32/SettingsHost.h"
#include "hotkeys/win32/modHotkey.h"
#include "platform/win32/TimerResolution.h"
#include "platform/win32/Window.h"

class frmFlash;

// The hidden main window. It owns the tray icon and menu, the scheduler's three timers,
// and is the window the hotkeys and tray events arrive at.
class frmMain final : public Window, public SettingsHost, private SchedulerHost {
public:
    // How the form asks whether the user may be disturbed: SHQueryUserNotificationState but in tests.
    using NotificationQuery = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE* state);

    // Creates the window hidden and runs its load handler to the end, a warning box
    // included. The timer resolution is given back by the unload handler.
    frmMain(HINSTANCE instance, frmFlash& flash, TimerResolution timerResolution,
            NotificationQuery queryNotificationState = &SHQueryUserNotificationState);
    ~frmMain();  // destroys the window if it still exists

    bool IsActive() const;
    void AddTrayIcon();
    void UpdateUI() override;
    void QueueAction(int32_t lAction);
    void ShowSettings() override;
    void StartFlashing();
    void StopFlashing();
    void ToggleFlashing();
    void SettingsChanged() override;
    void ShowRandomMessage();
    void FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                     int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs) override;
    void ExitApp();

    HWND HotkeyWindow() const override;
    const TrayIcon& Tray() const { return tray_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void Form_Load();
    void Form_Unload();
    void StopTimers();
    void OnTimer(UINT_PTR timer);

    void ShowTrayMenu() override;
    void OnTrayItem(UINT item);

    void EnableFlashTimer() override;
    void DisableFlashTimer() override;
    void EnableHideTimer(int32_t intervalMs) override;
    void DisableHideTimer() override;
    void EnableActionTimer() override;
    void DisableActionTimer() override;
    void ShowText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                  int32_t lOpacity, bool bAllMonitors) override;
    void HideNow() override;
    std::optional<NotificationState> QueryNotificationState() override;

    frmFlash& flash_;
    NotificationQuery queryNotificationState_;
    FlashScheduler scheduler_{*this};
    TrayMenu menu_;
    bool exitRequested_ = false;
    // Released by the unload handler from the last to the first, or else in that order
    // when the form goes.
    TimerResolution timerResolution_;
    WindowHookOwner hook_;
    TrayIcon tray_;
    HotkeyOwner hotkeys_;
};

// The one main form of the process; nullptr while there is none.
frmMain* MainForm();
