#include "app/win32/TrayMenu.h"

#include "platform/win32/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Each item as caption, or "-" for a separator, with "(grey)" and "(bold)" for its states.
std::vector<std::string> ItemsOf(HMENU menu)
{
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t caption[64] = {};
        GetMenuStringW(menu, i, caption, 64, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            items.push_back("-");
            continue;
        }
        items.push_back(Utf8(caption) + (state & MF_GRAYED ? "(grey)" : "") +
                        (GetMenuDefaultItem(menu, TRUE, 0) == static_cast<UINT>(i) ? "(bold)" : ""));
    }
    return items;
}

}  // namespace

TEST(TrayMenu, HoldsItsItemsWithSettingsInBoldAndTheCaptionsAndStatesItIsGiven)
{
    TrayMenu menu;
    using Items = std::vector<std::string>;
    EXPECT_EQ(ItemsOf(menu.Popup()), (Items{"&Start", "S&top", "Show one &now", "-", "S&ettings...(bold)", "-", "E&xit"}));
    menu.Apply({"&Start\tCtrl+Alt+S", "S&top\tCtrl+Alt+X", false, true});
    EXPECT_EQ(ItemsOf(menu.Popup()), (Items{"&Start\tCtrl+Alt+S(grey)", "S&top\tCtrl+Alt+X", "Show one &now", "-",
                                            "S&ettings...(bold)", "-", "E&xit"}));
    menu.Apply({"&Start", "S&top\t\xD0\xA4", true, false});
    EXPECT_EQ(ItemsOf(menu.Popup())[1], "S&top\t\xD0\xA4(grey)") << "a key name in another script";
}
