#include "app/win32/frmMain.h"

#include "app/TrayModel.h"
#include "dialog/win32/frmSettings.h"
#include "hotkeys/win32/modHotkey.h"
#include "settings/Settings.h"

void frmMain::AddTrayIcon()
{
    const auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(Handle(), GCLP_HICONSM));
    tray_.Add(Handle(), icon, TrayTipText(IsActive()));
}

void frmMain::UpdateUI()
{
    menu_.Apply(MenuState(IsActive(), gSettings, LayoutKeyName));
    tray_.ChangeTip(TrayTipText(IsActive()));
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
    }
}

void frmMain::ShowSettings()
{
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    const HWND dialog = frmSettings::Create(module, *this);
    ShowWindow(dialog, SW_SHOW);
    BringWindowToTop(dialog);
    SetForegroundWindow(dialog);
}
