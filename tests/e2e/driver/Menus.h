#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A popup menu item as the user sees it: its caption (empty for a separator), greyed or
// not, and whether it is the bold default item.
struct MenuItem {
    std::string caption;
    bool grayed = false;
    bool isDefault = false;
};

// The tray menu as it should look, given the running state and the Start and Stop
// captions with their hotkey texts.
std::vector<MenuItem> ExpectedTrayMenu(bool active, const std::string& startCaption, const std::string& stopCaption);

// The program's open menu, seen on screen, must be the menu the driver draws from the
// expected items at the same place: another process's menu cannot be read under Wine,
// but it can be seen. Closes the program's menu first; both are kept as evidence when
// they differ.
testing::AssertionResult MenuLooksLike(HWND menu, const std::vector<MenuItem>& expected,
                                       const std::string& evidenceName);
