#include "tests/e2e/driver/Menus.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Screen.h"
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

testing::AssertionResult MenuLooksLike(HWND menu, const std::vector<MenuItem>& expected,
                                       const std::string& evidenceName)
{
    const RECT area = RectOf(menu);
    const auto seen = CaptureScreen(area);
    SaveEvidence(evidenceName, area);
    PressChord({VK_ESCAPE});
    if (!WaitUntil([&] { return !IsWindowVisible(menu); }, 3000))
        return testing::AssertionFailure() << "the menu did not close";
    if (!seen)
        return testing::AssertionFailure() << "the menu could not be captured";

    const ReferenceMenu reference(expected, {area.left, area.top});
    if (!reference.Window())
        return testing::AssertionFailure() << "the reference menu did not open";
    const RECT referenceArea = RectOf(reference.Window());
    if (referenceArea.right - referenceArea.left != area.right - area.left ||
        referenceArea.bottom - referenceArea.top != area.bottom - area.top) {
        SaveEvidence(evidenceName + "-expected", referenceArea);
        return testing::AssertionFailure() << "the menu's size differs from the expected one; see " << evidenceName
                                           << "*.png";
    }
    if (CaptureScreen(area) != seen) {
        SaveEvidence(evidenceName + "-expected", area);
        return testing::AssertionFailure() << "the menu on screen differs from the expected one; see " << evidenceName
                                           << "*.png";
    }
    return testing::AssertionSuccess();
}
