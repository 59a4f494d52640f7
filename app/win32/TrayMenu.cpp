#include "app/win32/TrayMenu.h"

#include "platform/win32/Text.h"

namespace {

// Where Pause stands: after Stop.
constexpr UINT kPausePosition = 2;

}  // namespace

TrayMenu::TrayMenu() : holder_(CreateMenu()), popup_(CreatePopupMenu())
{
    AppendMenuW(popup_, MF_STRING, mnuStart, Wide(StartCaption).c_str());
    AppendMenuW(popup_, MF_STRING, mnuStop, Wide(StopCaption).c_str());
    AppendMenuW(popup_, MF_STRING, mnuPause, Wide(ResumeCaption).c_str());
    SetPauseItem(false);
    AppendMenuW(popup_, MF_STRING, mnuShowNow, Wide(ShowNowCaption).c_str());
    AppendMenuW(popup_, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup_, MF_STRING, mnuSettings, Wide(SettingsCaption).c_str());
    AppendMenuW(popup_, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup_, MF_STRING, mnuExit, Wide(ExitCaption).c_str());
    SetMenuDefaultItem(popup_, mnuSettings, FALSE);
    AppendMenuW(holder_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup_), L"Tray");
}

void TrayMenu::Apply(const TrayMenuState& state)
{
    ModifyMenuW(popup_, mnuStart, MF_BYCOMMAND | MF_STRING, mnuStart, Wide(state.startCaption).c_str());
    ModifyMenuW(popup_, mnuStop, MF_BYCOMMAND | MF_STRING, mnuStop, Wide(state.stopCaption).c_str());
    EnableMenuItem(popup_, mnuStart, MF_BYCOMMAND | (state.startEnabled ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup_, mnuStop, MF_BYCOMMAND | (state.stopEnabled ? MF_ENABLED : MF_GRAYED));
    SetPauseItem(state.paused);
    EnableMenuItem(popup_, kPausePosition, MF_BYPOSITION | (state.pauseEnabled ? MF_ENABLED : MF_GRAYED));
}

// Deleted and inserted anew: changing an item between a command and a submenu in place is
// not done alike by every system.
void TrayMenu::SetPauseItem(bool paused)
{
    DeleteMenu(popup_, kPausePosition, MF_BYPOSITION);
    if (paused) {
        InsertMenuW(popup_, kPausePosition, MF_BYPOSITION | MF_STRING, mnuPause, Wide(ResumeCaption).c_str());
        return;
    }
    const HMENU pauses = CreatePopupMenu();
    UINT id = mnuPauseChoice;
    for (const PauseChoice& choice : PauseChoices)
        AppendMenuW(pauses, MF_STRING, id++, Wide(choice.caption).c_str());
    InsertMenuW(popup_, kPausePosition, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(pauses),
                Wide(PauseCaption).c_str());
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
