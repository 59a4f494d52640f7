#include "app/win32/frmMain.h"

#include <utility>

#include "dialog/win32/frmSettings.h"
#include "flash/win32/frmFlash.h"
#include "platform/AppExiting.h"
#include "platform/win32/Controls.h"
#include "settings/Settings.h"

namespace {

constexpr char ClassName[] = "HalcyraMain";
constexpr WORD ProgramIconId = 1;  // the ICON resource in halcyra.rc

enum Timer : UINT_PTR { tmrFlash = 1, tmrHide, tmrAction };

frmMain* instance = nullptr;

// Shared icons belong to the system: nothing to release.
HICON LoadProgramIcon(HINSTANCE module, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

}  // namespace

frmMain* MainForm()
{
    return instance;
}

frmMain::frmMain(HINSTANCE module, frmFlash& flash, TimerResolution timerResolution,
                 NotificationQuery queryNotificationState)
    : flash_(flash), queryNotificationState_(queryNotificationState), timerResolution_(std::move(timerResolution))
{
    instance = this;
    const Class windowClass{.name = ClassName,
                            .icon = LoadProgramIcon(module, SM_CXICON, SM_CYICON),
                            .smallIcon = LoadProgramIcon(module, SM_CXSMICON, SM_CYSMICON)};
    Create(module, windowClass, 0, "Halcyra", WS_OVERLAPPEDWINDOW,
           RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT});
    Form_Load();
}

frmMain::~frmMain()
{
    Destroy();
    instance = nullptr;
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_CLOSE:
        // Closed from outside (a task manager asking politely): go the way Exit goes, so the
        // other windows close first and know that the program is exiting.
        ExitApp();
        return 0;
    case WM_DESTROY:
        Form_Unload();
        return 0;
    }
    return Default(message, wParam, lParam);
}

void frmMain::Destroyed()
{
    // The main form is the last window to go; with it the program ends.
    PostQuitMessage(0);
}

void frmMain::Form_Load()
{
    TaskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    // The hooked window owns the hotkeys, so the hook comes before their registration.
    HookWindow(Handle());
    hook_.reset(Handle());
    AddTrayIcon();
    hotkeys_.reset(HookedWindow());
    const std::string report = RegisterHotkeys(HookedWindow());
    if (!report.empty())
        ShowWarning(nullptr, report);
    UpdateUI();
}

void frmMain::Form_Unload()
{
    StopTimers();
    hotkeys_.reset();
    tray_.Delete();
    hook_.reset();
    timerResolution_.reset();
}

void frmMain::ExitApp()
{
    if (AppExiting)
        return;
    AppExiting = true;
    StopTimers();
    CloseSettingsDialog();
    flash_.Close();
    Destroy();
}

HWND frmMain::HotkeyWindow() const
{
    return HookedWindow();
}

void frmMain::StopTimers()
{
    DisableFlashTimer();
    DisableHideTimer();
    DisableActionTimer();
}

void frmMain::OnTimer(UINT_PTR timer)
{
    switch (timer) {
    case tmrFlash: scheduler_.FlashTimerTick(); break;
    case tmrHide: scheduler_.HideTimerTick(); break;
    case tmrAction: scheduler_.ActionTimerTick(); break;
    }
}

bool frmMain::IsActive() const
{
    return scheduler_.IsActive();
}

void frmMain::QueueAction(int32_t lAction)
{
    scheduler_.QueueAction(lAction);
}

void frmMain::StartFlashing()
{
    scheduler_.StartFlashing();
}

void frmMain::StopFlashing()
{
    scheduler_.StopFlashing();
}

void frmMain::ToggleFlashing()
{
    scheduler_.ToggleFlashing();
}

void frmMain::SettingsChanged()
{
    flash_.KeepOutOfCaptures(gSettings.HideFromCapture);
    scheduler_.SettingsChanged();
}

void frmMain::ShowRandomMessage()
{
    scheduler_.ShowRandomMessage();
}

void frmMain::FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                          int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs)
{
    scheduler_.FlashCustom(std::move(sText), std::move(sFont), lSize, bBold, lColor, lOpacity, bAllMonitors,
                           lDurationMs);
}

void frmMain::EnableFlashTimer()
{
    SetTimer(Handle(), tmrFlash, FlashTickMs, nullptr);
}

void frmMain::DisableFlashTimer()
{
    KillTimer(Handle(), tmrFlash);
}

void frmMain::EnableHideTimer(int32_t intervalMs)
{
    SetTimer(Handle(), tmrHide, static_cast<UINT>(intervalMs), nullptr);
}

void frmMain::DisableHideTimer()
{
    KillTimer(Handle(), tmrHide);
}

void frmMain::EnableActionTimer()
{
    SetTimer(Handle(), tmrAction, ActionDelayMs, nullptr);
}

void frmMain::DisableActionTimer()
{
    KillTimer(Handle(), tmrAction);
}

void frmMain::ShowText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                       int32_t lOpacity, bool bAllMonitors)
{
    flash_.ShowText(std::move(sText), std::move(sFont), lSize, bBold, lColor, lOpacity, bAllMonitors);
}

void frmMain::HideNow()
{
    flash_.HideNow();
}

std::optional<NotificationState> frmMain::QueryNotificationState()
{
    QUERY_USER_NOTIFICATION_STATE state{};
    if (FAILED(queryNotificationState_(&state)))
        return std::nullopt;
    return static_cast<NotificationState>(state);
}
