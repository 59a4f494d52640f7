#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialog/MessageList.h"
#include "dialog/SettingsControls.h"

// The settings dialog: modeless, at most one at a time, destroyed whenever it closes.
// Its window owns it; the handlers that may run a nested message loop keep it alive
// until they return, so a close from inside such a loop (the program's exit) is safe.
class frmSettings : public std::enable_shared_from_this<frmSettings> {
public:
    frmSettings(const frmSettings&) = delete;
    frmSettings& operator=(const frmSettings&) = delete;

    // The open dialog's window, creating it hidden (and running Open) when there is none.
    static HWND Create(HINSTANCE instance);

private:
    struct Subclass {
        frmSettings* form;
        WNDPROC original;
    };

    frmSettings() = default;

    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnActivate(bool active);
    HWND Control(SettingsControl id) const;
    std::string TextOf(SettingsControl id) const;
    void SetText(SettingsControl id, const std::string& text);
    bool IsChecked(SettingsControl id) const;
    void SetChecked(SettingsControl id, bool checked);

    // frmSettingsLayout.cpp
    void CreateControls();
    void SubclassControl(SettingsControl id, Subclass& subclass, WNDPROC procedure);

    // frmSettings.cpp
    void Form_Load();
    void Form_Unload();
    void cmdSave_Click();
    void cmdCancel_Click();

    // frmSettingsMessages.cpp
    static LRESULT CALLBACK NewMsgProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    void FillMessages();
    void cmdAdd_Click();
    void cmdUpdate_Click();
    void cmdRemove_Click();
    void lstMessages_Click();
    void ShowSelected();

    // frmSettingsLook.cpp
    void FillFonts();
    void SelectFont(const std::string& name);
    std::string SelectedFont() const;
    void picColor_Click();
    void DrawSwatch(const DRAWITEMSTRUCT& item) const;
    void SetUpOpacityBar();
    void hsbOpacity_Scroll(int request);
    int32_t OpacityPosition() const;
    void SetOpacityPosition(int32_t position);
    void UpdateOpacityLabel();
    void cmdPreview_Click();

    // frmSettingsHotkeys.cpp
    static LRESULT CALLBACK CaptureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    bool CaptureHotkey(SettingsControl box, int32_t keyCode, int32_t shiftState, int32_t& mod, int32_t& key);
    void ShowHotkeys();
    void cmdClrStart_Click();
    void cmdClrStop_Click();

    HWND window_ = nullptr;
    // The window's own reference; dropped when the window is gone.
    std::shared_ptr<frmSettings> self_;
    HWND lastFocus_ = nullptr;

    MessageList messages_;
    std::vector<std::string> fonts_;  // the entries of cboFont
    int32_t mColor = 0;
    int32_t mStartMod = 0;
    int32_t mStartKey = 0;
    int32_t mStopMod = 0;
    int32_t mStopKey = 0;

    Subclass newMsgSubclass_{};
    Subclass hkStartSubclass_{};
    Subclass hkStopSubclass_{};
};

// The open settings dialog's window, or nullptr.
HWND SettingsDialog();
// Destroys the settings dialog if it is open; its close handler runs.
void CloseSettingsDialog();
// Gives the dialog its keyboard navigation: true when msg was for the dialog and has
// been handled.
bool IsSettingsDialogMessage(MSG& msg);
