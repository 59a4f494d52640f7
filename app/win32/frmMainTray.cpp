#include "app/win32/frmMain.h"

#include "app/TrayModel.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/ProgramIcon.h"
#include "dialog/win32/frmSettings.h"
#include "hotkeys/win32/modHotkey.h"
#include "settings/Settings.h"

// The program's icon drawn for the size the notification area shows at its monitor's DPI,
// not stretched from another size.
void frmMain::LoadTrayImage()
{
    const HMONITOR taskbar = MonitorFromWindow(FindWindowW(L"Shell_TrayWnd", nullptr), MONITOR_DEFAULTTOPRIMARY);
    const int size = MetricForDpi(SM_CXSMICON, DpiOfMonitor(taskbar, calls_.monitorDpi));
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    trayImage_.reset(LoadProgramIcon(module, size, 0));
}

void frmMain::AddTrayIcon()
{
    LoadTrayImage();
    tray_.Add(Handle(), trayImage_.get(), TipText());
}

void frmMain::UpdateUI()
{
    menu_.Apply(MenuState(scheduler_.Status(), gSettings, LayoutKeyName));
    tray_.ChangeTip(TipText());
}

std::string frmMain::TipText() const
{
    const SchedulerStatus status = scheduler_.Status();
    return TrayTipText(status, status.until ? UserTime(*status.until, SystemWallNow(), zone_) : "");
}

void frmMain::ShowTrayMenu()
{
    exitRequested_ = false;
    SetForegroundWindow(Handle());
    OnTrayItem(menu_.Track(Handle()));
    if (exitRequested_)
        ExitApp();
    else
        PostMessageW(Handle(), WM_NULL, 0, 0);
}

void frmMain::OnTrayItem(UINT item)
{
    switch (item) {
    case mnuStart: StartFlashing(); break;
    case mnuStop: StopFlashing(); break;
    case mnuShowNow: ShowRandomMessage(); break;
    case mnuSettings: ShowSettings(); break;
    case mnuExit: exitRequested_ = true; break;
    case mnuPause: Resume(); break;
    default: OnPauseChoice(item); break;
    }
}

void frmMain::OnPauseChoice(UINT item)
{
    const std::size_t choice = item - mnuPauseChoice;
    if (item < mnuPauseChoice || choice >= std::size(PauseChoices))
        return;
    if (const auto length = PauseChoices[choice].length)
        PauseFor(*length);
    else
        scheduler_.PauseUntilTomorrow();
}

void frmMain::ShowSettings()
{
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    const HWND dialog = frmSettings::Create(module, *this);
    ShowWindow(dialog, SW_SHOW);
    BringWindowToTop(dialog);
    SetForegroundWindow(dialog);
}
