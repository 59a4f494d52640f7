#include "tests/e2e/driver/Menus.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

#include <thread>

namespace {

HMENU MenuOf(const std::vector<MenuItem>& items)
{
    const HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < items.size(); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.fType = items[i].caption.empty() ? MFT_SEPARATOR : MFT_STRING;
        info.fState = (items[i].grayed ? MFS_GRAYED : 0) | (items[i].isDefault ? MFS_DEFAULT : 0);
        info.wID = static_cast<UINT>(i + 1);
        info.dwTypeData = const_cast<char*>(items[i].caption.c_str());
        InsertMenuItemA(menu, static_cast<UINT>(i), TRUE, &info);
    }
    return menu;
}

void TrackFromOwnWindow(HMENU menu, POINT at)
{
    const HWND owner = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "reference menu owner", WS_POPUP, 0, 0, 1, 1,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr);
    DestroyWindow(owner);
}

HWND OwnPopupMenu()
{
    for (HWND window : TopLevelWindowsOf(GetCurrentProcessId(), "#32768")) {
        if (IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// The driver's own menu of these items, shown at the top-left corner of area, must cover
// exactly area and look like seen there.
testing::AssertionResult ReferenceMenuLooksLike(const std::vector<MenuItem>& items, const RECT& area,
                                                const Image& seen, const std::string& evidenceName)
{
    const HMENU menu = MenuOf(items);
    std::thread tracking(TrackFromOwnWindow, menu, POINT{area.left, area.top});
    HWND popup = nullptr;
    WaitUntil([&] { return (popup = OwnPopupMenu()) != nullptr; }, 5000);
    auto result = testing::AssertionSuccess();
    if (!popup) {
        result = testing::AssertionFailure() << "the reference menu did not open";
    } else if (const RECT drawn = RectOf(popup); drawn.right - drawn.left != area.right - area.left ||
                                                 drawn.bottom - drawn.top != area.bottom - area.top) {
        SaveEvidence(evidenceName + "-expected", drawn);
        result = testing::AssertionFailure() << "the menu's size differs from the expected one; see " << evidenceName;
    } else if (CaptureScreen(area) != seen) {
        SaveEvidence(evidenceName + "-expected", area);
        result = testing::AssertionFailure() << "the menu on screen differs from the expected one; see "
                                             << evidenceName;
    }
    if (popup)
        PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    tracking.join();
    DestroyMenu(menu);
    return result;
}

}  // namespace

std::vector<MenuItem> ExpectedTrayMenu(bool active, const std::string& startCaption, const std::string& stopCaption)
{
    return {
        {startCaption, active, false}, {stopCaption, !active, false}, {"Show one &now", false, false},
        {"", false, false},           {"S&ettings...", false, true}, {"", false, false},
        {"E&xit", false, false},
    };
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
    return ReferenceMenuLooksLike(expected, area, *seen, evidenceName);
}
