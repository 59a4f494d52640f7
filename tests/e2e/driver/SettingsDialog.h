#pragma once
#include "dialog/SettingsControls.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The program's settings dialog, read from outside with the messages every standard
// control answers across processes, and driven with the mouse and the keyboard.
class SettingsDialog {
public:
    explicit SettingsDialog(HWND window) : window_(window) {}

    HWND Window() const { return window_; }

    HWND Control(SettingsControl id) const { return GetDlgItem(window_, id); }
    std::string Text(SettingsControl id) const;
    // The rectangle of a control in the dialog's client coordinates, or relative to the
    // top-left corner of its group box when it belongs to one.
    RECT Placement(SettingsControl id) const;

    std::vector<std::string> Messages() const;
    std::string Message(int index) const;
    int MessageCount() const { return static_cast<int>(Send(lstMessages, LB_GETCOUNT)); }
    std::string SelectedFont() const;
    bool IsChecked(SettingsControl id) const { return Send(id, BM_GETCHECK) == BST_CHECKED; }
    int OpacityPosition() const { return static_cast<int>(Send(hsbOpacity, SBM_GETPOS)); }
    // The control that has the keyboard focus, if it is one of the dialog's.
    std::optional<SettingsControl> Focused() const;
    // The selection of an edit box as start and end positions.
    std::pair<int, int> Selection(SettingsControl id) const;

    // Waits until the dialog is in front; when another window stays there, clicks an
    // empty spot of the dialog as a user would. The window manager here sometimes hands
    // the focus to the tray when a message box closes.
    bool BringToFront() const;
    void Click(SettingsControl id) const;
    // Clicks a message in the list; it must be scrolled into view.
    void ClickMessage(int index) const;
    // Selects the first font of the list with the keyboard and returns its name.
    std::string ChooseFirstFont() const;
    // Clicks into a box, selects all it holds with the keyboard and types text over it
    // (pastes it when it is too long to type); fails when the box did not come to show it.
    testing::AssertionResult TypeInto(SettingsControl id, const std::string& text) const;
    void PasteInto(SettingsControl id) const;
    bool WaitForText(SettingsControl id, const std::string& text, DWORD timeoutMs) const;
    // Clicks the opacity bar's trough beside its arrow, which moves it a page.
    void ClickOpacityBar(bool right) const;

private:
    LRESULT Send(SettingsControl id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(Control(id), message, wParam, lParam);
    }

    HWND window_;
};
