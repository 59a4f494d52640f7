#pragma once
#include <windows.h>

#include <functional>
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

// Presses keys as a chord through the system's input queue and returns once the dialog's
// thread has taken them all.
void PressKeys(const std::vector<WORD>& chord);

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
// The colour of one pixel of a window, once it has painted.
COLORREF PixelOf(HWND window, int x, int y);
// Whether another window of the system could register the combination right now.
bool HotkeyIsFree(UINT mods, UINT key);
// The program's entry in the Run key, or nothing.
std::optional<std::string> OurRunEntry();
void SetOurRunEntry(const std::optional<std::string>& command);

struct DialogSeen {
    std::string title;
    std::string text;
};

// Runs action; each modal dialog box of this thread that becomes active meanwhile is
// written down and handed to respond (by default: OK is pressed).
std::vector<DialogSeen> Answering(const std::function<void()>& action, std::function<void(HWND)> respond = {});

// A running main form and flash window, the settings file in a fresh folder, the Run key
// entry put back afterwards, and the settings dialog opened the way the tray opens it.
class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Open();
    HWND Item(SettingsControl id) const { return GetDlgItem(dialog, id); }
    std::string Text(SettingsControl id) const { return WindowText(Item(id)); }
    void SetText(SettingsControl id, const std::string& text) const { SetWindowTextA(Item(id), text.c_str()); }
    void Click(SettingsControl id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void Focus(SettingsControl id) const { SetFocus(Item(id)); }
    std::vector<std::string> ListEntries() const;

    TempAppData appData;
    const std::optional<std::string> runEntry = OurRunEntry();
    frmFlash flash{GetModuleHandleA(nullptr)};
    std::unique_ptr<frmMain> form;
    HWND dialog = nullptr;
};
