#include "tests/e2e/driver/Menus.h"

#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Wait.h"

namespace {

HWND OwnPopupMenu()
{
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32768", nullptr); window;
         window = FindWindowExA(nullptr, window, "#32768", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == GetCurrentProcessId() && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

}  // namespace

std::vector<MenuItem> ExpectedTrayMenu(bool active, const std::string& startCaption, const std::string& stopCaption)
{
    return {
        {startCaption, active, false},
        {stopCaption, !active, false},
        {"Show one &now", false, false},
        {"", false, false},
        {"S&ettings...", false, true},
        {"", false, false},
        {"E&xit", false, false},
    };
}

ReferenceMenu::ReferenceMenu(const std::vector<MenuItem>& items, POINT at) : menu_(CreatePopupMenu())
{
    for (size_t i = 0; i < items.size(); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.fType = items[i].caption.empty() ? MFT_SEPARATOR : MFT_STRING;
        info.fState = (items[i].grayed ? MFS_GRAYED : 0) | (items[i].isDefault ? MFS_DEFAULT : 0);
        info.wID = static_cast<UINT>(i + 1);
        info.dwTypeData = const_cast<char*>(items[i].caption.c_str());
        InsertMenuItemA(menu_, static_cast<UINT>(i), TRUE, &info);
    }
    thread_ = std::thread([this, at] { Track(at); });
    WaitUntil([this] { return (popup_ = OwnPopupMenu()) != nullptr; }, 5000);
}

ReferenceMenu::~ReferenceMenu()
{
    if (popup_)
        PostMessageA(popup_, WM_KEYDOWN, VK_ESCAPE, 0);
    thread_.join();
    DestroyMenu(menu_);
}

RECT ReferenceMenu::ItemRect(int index) const
{
    RECT rect = {};
    GetMenuItemRect(nullptr, menu_, index, &rect);
    return rect;
}

void ReferenceMenu::Track(POINT at)
{
    const HWND owner = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "reference menu owner", WS_POPUP, 0, 0, 1, 1,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(owner);
    TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr);
    DestroyWindow(owner);
}
