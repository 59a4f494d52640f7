#include "app/win32/TrayMenu.h"

TrayMenu::TrayMenu() : holder_(CreateMenu()), popup_(CreatePopupMenu())
{
    AppendMenuA(popup_, MF_STRING, mnuStart, StartCaption);
    AppendMenuA(popup_, MF_STRING, mnuStop, StopCaption);
    AppendMenuA(popup_, MF_STRING, mnuShowNow, ShowNowCaption);
    AppendMenuA(popup_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup_, MF_STRING, mnuSettings, SettingsCaption);
    AppendMenuA(popup_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup_, MF_STRING, mnuExit, ExitCaption);
    SetMenuDefaultItem(popup_, mnuSettings, FALSE);
    AppendMenuA(holder_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup_), "Tray");
}

void TrayMenu::Apply(const TrayMenuState& state)
{
    ModifyMenuA(popup_, mnuStart, MF_BYCOMMAND | MF_STRING, mnuStart, state.startCaption.c_str());
    ModifyMenuA(popup_, mnuStop, MF_BYCOMMAND | MF_STRING, mnuStop, state.stopCaption.c_str());
    EnableMenuItem(popup_, mnuStart, MF_BYCOMMAND | (state.startEnabled ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup_, mnuStop, MF_BYCOMMAND | (state.stopEnabled ? MF_ENABLED : MF_GRAYED));
}

UINT TrayMenu::Track(HWND owner)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    // The choice comes back as the result, so its handler runs after the menu has closed.
    const BOOL chosen = TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                       cursor.x, cursor.y, 0, owner, nullptr);
    return static_cast<UINT>(chosen);
}
