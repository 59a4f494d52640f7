#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/frmMain.h"
#include "dialog/SettingsControls.h"
#include "flash/frmFlash.h"
#include "settings/tests/TempAppData.h"

#include <gtest/gtest.h>

// Runs the program's own routing of queued messages until done() holds or timeoutMs
// has passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);

// Presses keys as a chord through the system's input queue (the first held longest) and
// returns once the dialog's thread has taken every one of them.
void PressKeys(std::initializer_list<WORD> chord);

// Keeps a key down, as the system sees it at the moment, while it lives.
class HeldKey {
public:
    explicit HeldKey(WORD key);
    ~HeldKey();
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

private:
    WORD key_;
};

std::string WindowText(HWND window);

// Whether another window of the system could register the combination right now.
bool HotkeyIsFree(UINT mods, UINT key);

// Answers every modal dialog box of this thread as it becomes active: records its title
// and text, then hands it to respond (by default: press OK).
class ModalResponder {
public:
    struct Seen {
        std::string title;
        std::string text;
    };

    explicit ModalResponder(std::function<void(HWND)> respond = {});
    ~ModalResponder();
    ModalResponder(const ModalResponder&) = delete;
    ModalResponder& operator=(const ModalResponder&) = delete;

    std::vector<Seen> seen;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    std::function<void(HWND)> respond_;
    HHOOK hook_ = nullptr;
    ModalResponder* previous_ = nullptr;
};

// The program's start-up entries in the Run key, put back as they were when it goes.
class RunEntries {
public:
    RunEntries();
    ~RunEntries();
    RunEntries(const RunEntries&) = delete;
    RunEntries& operator=(const RunEntries&) = delete;

    // The program's own entry as it stands now.
    static std::optional<std::string> Ours();
    static void SetOurs(const std::string& command);

private:
    std::optional<std::string> ours_;
    std::optional<std::string> earlier_;
};

// A running main form and flash window, with the settings file in a fresh folder, and
// the settings dialog opened the way the tray opens it.
class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Open();
    HWND Item(SettingsControl id) const { return GetDlgItem(dialog, id); }
    std::string Text(SettingsControl id) const { return WindowText(Item(id)); }
    void SetText(SettingsControl id, const std::string& text) const { SetWindowTextA(Item(id), text.c_str()); }
    void Click(SettingsControl id) const;
    void Focus(SettingsControl id) const;
    std::vector<std::string> ListEntries() const;
    int ListSelection() const;

    TempAppData appData;
    RunEntries runEntries;
    frmFlash flash{GetModuleHandleA(nullptr)};
    std::unique_ptr<frmMain> form;
    HWND dialog = nullptr;
};
