#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "app/FlashScheduler.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"

class frmFlash;

// Set once, by ExitApp, and never cleared: shutdown has begun.
extern bool AppExiting;

// The hidden main window. It owns the tray icon and menu, the scheduler's three timers,
// and is the window the hotkeys and tray events arrive at.
class frmMain final : private SchedulerHost {
public:
    // Creates the window hidden and runs its load handler to the end, a warning box included.
    frmMain(HINSTANCE instance, frmFlash& flash);
    ~frmMain();  // destroys the window if it still exists
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    bool IsActive() const;
    void AddTrayIcon();
    void UpdateUI() override;
    void QueueAction(int32_t lAction);
    void ShowSettings() override;
    void StartFlashing();
    void StopFlashing();
    void ToggleFlashing();
    void SettingsChanged();
    void ShowRandomMessage();
    void FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                     int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs);
    void ExitApp();

    HWND Handle() const { return window_; }
    const TrayIcon& Tray() const { return tray_; }

private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
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

    frmFlash& flash_;
    FlashScheduler scheduler_{*this};
    TrayIcon tray_;
    TrayMenu menu_;
    bool exitRequested_ = false;
    HWND window_ = nullptr;
};

// The one main form of the process; nullptr while there is none.
frmMain* MainForm();
