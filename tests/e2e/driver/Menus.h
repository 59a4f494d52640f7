#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
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

// The same menu shown by the driver itself at a given point, so that the program's menu
// can be compared with it pixel for pixel: another process's menu cannot be read under
// Wine, but it can be seen. Closed again when the object goes.
class ReferenceMenu {
public:
    ReferenceMenu(const std::vector<MenuItem>& items, POINT at);
    ~ReferenceMenu();
    ReferenceMenu(const ReferenceMenu&) = delete;
    ReferenceMenu& operator=(const ReferenceMenu&) = delete;

    HWND Window() const { return popup_; }
    // Screen rectangle of item index, counted from 0 over separators too.
    RECT ItemRect(int index) const;

private:
    void Track(POINT at);

    HMENU menu_ = nullptr;
    HWND popup_ = nullptr;
    std::thread thread_;
};

// The program's open menu, seen on screen, must be the menu the driver draws from the
// expected items at the same place: same captions and hotkey texts, same greyed items,
// the same bold default item. Closes the program's menu first; both are kept as evidence
// when they differ.
testing::AssertionResult MenuLooksLike(HWND menu, const std::vector<MenuItem>& expected,
                                       const std::string& evidenceName);
