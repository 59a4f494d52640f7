#include "app/frmMain.h"

#include <mmsystem.h>

#include <utility>

#include "app/WindowHook.h"
#include "dialog/frmSettings.h"
#include "flash/frmFlash.h"
#include "hotkeys/modHotkey.h"

bool AppExiting = false;

namespace {

constexpr char ClassName[] = "HalcyraMain";
constexpr WORD ProgramIconId = 1;  // the ICON resource in halcyra.rc

enum Timer : UINT_PTR { tmrFlash = 1, tmrHide, tmrAction };

frmMain* instance = nullptr;

// Shared icons belong to the system: nothing to release.
HICON LoadProgramIcon(HINSTANCE module, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(ProgramIconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

void RegisterFormClass(HINSTANCE module, WNDPROC procedure)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = module;
    wc.lpszClassName = ClassName;
    wc.hIcon = LoadProgramIcon(module, SM_CXICON, SM_CYICON);
    wc.hIconSm = LoadProgramIcon(module, SM_CXSMICON, SM_CYSMICON);
    RegisterClassExA(&wc);  // fails harmlessly when a form was made before
}

}  // namespace

frmMain* MainForm()
{
    return instance;
}

frmMain::frmMain(HINSTANCE module, frmFlash& flash) : flash_(flash)
{
    instance = this;
    RegisterFormClass(module, &FormProc);
    CreateWindowExA(0, ClassName, "Halcyra", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, module, this);
    Form_Load();
}

frmMain::~frmMain()
{
    if (window_)
        DestroyWindow(window_);
    instance = nullptr;
}

LRESULT CALLBACK frmMain::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    if (auto* form = reinterpret_cast<frmMain*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
        return form->HandleMessage(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
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
    case WM_NCDESTROY: {
        const HWND window = std::exchange(window_, nullptr);
        // The main form is the last window to go; with it the program ends.
        PostQuitMessage(0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void frmMain::Form_Load()
{
    TaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    // The hooked window owns the hotkeys, so the hook comes before their registration.
    HookWindow(window_);
    AddTrayIcon();
    const std::string report = RegisterHotkeys();
    if (!report.empty())
        MessageBoxA(nullptr, report.c_str(), "Halcyra", MB_OK | MB_ICONEXCLAMATION);
    UpdateUI();
}

void frmMain::Form_Unload()
{
    StopTimers();
    UnregisterHotkeys();
    tray_.Delete();
    UnhookWindow();
    timeEndPeriod(1);
}

void frmMain::ExitApp()
{
    if (AppExiting)
        return;
    AppExiting = true;
    StopTimers();
    CloseSettingsDialog();
    flash_.Close();
    DestroyWindow(window_);
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
    SetTimer(window_, tmrFlash, FlashTickMs, nullptr);
}

void frmMain::DisableFlashTimer()
{
    KillTimer(window_, tmrFlash);
}

void frmMain::EnableHideTimer(int32_t intervalMs)
{
    SetTimer(window_, tmrHide, static_cast<UINT>(intervalMs), nullptr);
}

void frmMain::DisableHideTimer()
{
    KillTimer(window_, tmrHide);
}

void frmMain::EnableActionTimer()
{
    SetTimer(window_, tmrAction, ActionDelayMs, nullptr);
}

void frmMain::DisableActionTimer()
{
    KillTimer(window_, tmrAction);
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
