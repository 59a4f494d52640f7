#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialog/MessageList.h"
#include "dialog/SaveChecks.h"
#include "dialog/SettingsControls.h"
#include "dialog/win32/SettingsHost.h"
#include "hotkeys/win32/CaptureBox.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Subclass.h"
#include "platform/win32/Window.h"

// The settings dialog: modeless, at most one at a time, destroyed whenever it closes.
// Its window owns it; every handler keeps it alive until it returns, so a close from
// inside a nested message loop (a message box, the colour chooser, the program's exit)
// is safe.
class frmSettings final : public Window, public std::enable_shared_from_this<frmSettings> {
public:
    // The open dialog's window, creating it hidden (and running Open) when there is none.
    static HWND Create(HINSTANCE instance, SettingsHost& host);

    explicit frmSettings(SettingsHost& host) : host_(host) {}

private:
    // txtNewMsg: Ctrl+Enter adds its lines instead of starting a new one.
    class NewMsgBox final : public Subclass {
    public:
        explicit NewMsgBox(frmSettings& form) : form_(form) {}
        using Subclass::Attach;

    private:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
        frmSettings& form_;
    };

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Destroyed() override;
    void OnCommand(int id, int code);
    void OnActivate(bool active);
    HWND Control(SettingsControl id) const;
    std::string TextOf(SettingsControl id) const;
    void SetText(SettingsControl id, const std::string& text);

    // frmSettingsLayout.cpp
    void CreateControls();
    // Places every control and gives it the dialog's font, both for the window's DPI.
    void LayOut();
    void OnDpiChanged(UINT dpi, const RECT& suggested);

    // frmSettings.cpp
    void Form_Load();
    void Form_Unload();
    void cmdSave_Click();
    void ShowRefusal(const SaveFailure& failure);
    void ReportUnsaved(uint32_t error, const std::string& where);
    Settings EditedSettings(Settings checked) const;
    void cmdCancel_Click();
    void UpdateDurationNote();

    // frmSettingsMessages.cpp
    void FillMessages();
    void cmdAdd_Click();
    void cmdUpdate_Click();
    void cmdRemove_Click();
    void lstMessages_Click();
    LRESULT lstMessages_KeyDown(int key);
    void ShowSelected();
    bool RefusedOverlong(const std::string& text, bool firstLineOnly);

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

    // frmSettingsSchedule.cpp
    void SetUpSchedule();
    void FillSchedule();
    void chkSchedule_Click();
    void EditSchedule(Settings& s) const;

    SettingsHost& host_;
    // The window's own reference; dropped when the window is gone.
    std::shared_ptr<frmSettings> self_;
    HWND lastFocus_ = nullptr;
    UINT dpi_ = 0;
    UniqueFont font_;  // every control's; deleted after the controls

    MessageList messages_;
    std::vector<std::string> fonts_;  // the entries of cboFont
    int32_t firstDay_ = 0;  // of the user's week, 0 for Monday
    int32_t mColor = 0;
    int32_t mStartMod = 0;
    int32_t mStartKey = 0;
    int32_t mStopMod = 0;
    int32_t mStopKey = 0;

    NewMsgBox txtNewMsg_{*this};
    CaptureBox txtHkStart_{mStartMod, mStartKey};
    CaptureBox txtHkStop_{mStopMod, mStopKey};
};

// Destroys the settings dialog if it is open; its close handler runs.
void CloseSettingsDialog();
// Gives the dialog its keyboard navigation: true when msg was for the dialog and has
// been handled.
bool IsSettingsDialogMessage(MSG& msg);
