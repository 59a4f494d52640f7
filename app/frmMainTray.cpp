#include "app/frmMain.h"

#include "app/TrayModel.h"
#include "dialog/frmSettings.h"
#include "hotkeys/modHotkey.h"
#include "settings/Settings.h"

void frmMain::AddTrayIcon()
{
    const auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window_, GCLP_HICONSM));
    tray_.Add(window_, icon, TrayTipText(IsActive()));
}

void frmMain::UpdateUI()
{
    menu_.Apply(MenuState(IsActive(), gSettings, LayoutKeyName));
    tray_.ChangeTip(TrayTipText(IsActive()));
}

void frmMain::ShowTrayMenu()
{
    exitRequested_ = false;
    SetForegroundWindow(window_);
    OnTrayItem(menu_.Track(window_));
    if (exitRequested_)
        ExitApp();
    else
        PostMessageA(window_, WM_NULL, 0, 0);
}

void frmMain::OnTrayItem(UINT item)
{
    switch (item) {
    case mnuStart: StartFlashing(); break;
    case mnuStop: StopFlashing(); break;
    case mnuShowNow: ShowRandomMessage(); break;
    case mnuSettings: ShowSettings(); break;
    case mnuExit: exitRequested_ = true; break;
    }
}

void frmMain::ShowSettings()
{
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));
    const HWND dialog = frmSettings::Create(module);
    ShowWindow(dialog, SW_SHOW);
    BringWindowToTop(dialog);
    SetForegroundWindow(dialog);
}
