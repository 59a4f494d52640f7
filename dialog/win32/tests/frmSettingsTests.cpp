#include "dialog/win32/frmSettings.h"

#include "app/win32/frmMain.h"
#include "flash/win32/frmFlash.h"
#include "platform/AppExiting.h"
#include "settings/Settings.h"
#include "tests/support/win32/Keys.h"
#include "tests/support/win32/Pump.h"
#include "tests/support/win32/TempAppData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Presses keys into the open settings dialog.
void PressKeys(const std::vector<WORD>& chord)
{
    PressKeys(SettingsDialog(), chord);
}

// Runs action and hands each modal dialog box of this thread that becomes active meanwhile
// to respond, once; returns how many there were.
std::size_t Answering(const std::function<void()>& action, const std::function<void(HWND)>& respond)
{
    static std::vector<HWND> seen;
    static const std::function<void(HWND)>* answer;
    seen.clear();
    answer = &respond;
    const HOOKPROC hook = [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto window = reinterpret_cast<HWND>(wParam);
        char kind[16] = {};
        if (code == HCBT_ACTIVATE && GetClassNameA(window, kind, sizeof kind) && std::string(kind) == "#32770" &&
            std::find(seen.begin(), seen.end(), window) == seen.end()) {
            seen.push_back(window);
            (*answer)(window);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    };
    const HHOOK installed = SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(installed);
    return seen.size();
}

// A running main form and flash window, the settings file in a fresh folder, and the
// settings dialog opened the way the tray opens it.
class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSettings = DefaultSettings();
        // A save would otherwise enter this test exe in the Run key that the end-to-end
        // tests read from the same Wine prefix.
        gSettings.StartWithWindows = false;
        AppExiting = false;
    }
    void TearDown() override
    {
        CloseSettingsDialog();
        form.reset();
        MSG quit;  // which the destroyed main form leaves behind
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        AppExiting = false;
    }

    void Open()
    {
        form = std::make_unique<frmMain>(GetModuleHandleA(nullptr), flash, TimerResolution());
        form->ShowSettings();
        dialog = SettingsDialog();
        // The window manager hands the focus over in its own time: wait until the dialog
        // has kept it for a moment.
        DWORD since = GetTickCount();
        PumpUntil([&] {
            if (GetForegroundWindow() != dialog || GetFocus() != Item(lstMessages))
                since = GetTickCount();
            return GetTickCount() - since > 200;
        });
    }
    HWND Item(SettingsControl id) const { return GetDlgItem(dialog, id); }
    std::string Text(SettingsControl id) const
    {
        char text[256] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    void Focus(SettingsControl id) const { SetFocus(Item(id)); }

    TempAppData appData;
    frmFlash flash{GetModuleHandleA(nullptr)};
    std::unique_ptr<frmMain> form;
    HWND dialog = nullptr;
};

}  // namespace

TEST_F(SettingsDialogTest, CaptureBoxesTakeCombinationsFromRealKeysAndNeverChangeOnTyping)
{
    Open();
    Focus(txtHkStart);
    SendMessageA(Item(txtHkStart), WM_CHAR, 'x', 0);
    SendMessageA(Item(txtHkStart), WM_PASTE, 0, 0);
    EXPECT_EQ(Text(txtHkStart), "Ctrl+Alt+S");
    const std::pair<std::vector<WORD>, const char*> presses[] = {
        {{VK_F9}, "F9"}, {{VK_CONTROL, VK_TAB}, "Ctrl+Tab"}, {{VK_BACK}, "(none)"}, {{VK_CONTROL, 'V'}, "Ctrl+V"}};
    for (const auto& [chord, shown] : presses) {
        PressKeys(chord);
        EXPECT_EQ(Text(txtHkStart), shown);
    }
    // The Win key's state is read when the main key arrives, not queued with it.
    SendKey(VK_LWIN, 0);
    EXPECT_TRUE(PumpUntil([] { return GetAsyncKeyState(VK_LWIN) < 0; }));
    PressKeys({VK_SHIFT, 'F'});
    SendKey(VK_LWIN, KEYEVENTF_KEYUP);
    EXPECT_TRUE(PumpUntil([] { return GetAsyncKeyState(VK_LWIN) >= 0; }));
    EXPECT_EQ(Text(txtHkStart), "Win+Shift+F");
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), Item(cmdClrStart));
}

TEST_F(SettingsDialogTest, TheOpacityBarKeepsToItsRangeFromEndToEnd)
{
    Open();
    Focus(hsbOpacity);
    for (const auto& [key, expected] : {std::pair{WORD{VK_END}, std::pair{255, "100%"}}, {VK_HOME, {10, "4%"}}}) {
        PressKeys({key});
        EXPECT_EQ(GetScrollPos(Item(hsbOpacity), SB_CTL), expected.first);
        EXPECT_EQ(Text(lblOpacity), expected.second);
    }
}

TEST_F(SettingsDialogTest, ExitWhileARefusalIsShownClosesEverything)
{
    Open();
    SetWindowTextA(Item(txtIntMin), "");
    const auto closeFromOutside = [&](HWND) { PostMessageA(form->Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(Answering([&] { SendMessageA(Item(cmdSave), BM_CLICK, 0, 0); }, closeFromOutside), 1u);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(form->Handle(), nullptr);
    EXPECT_EQ(flash.Handle(), nullptr);
}

TEST_F(SettingsDialogTest, AHotkeyHeldElsewhereIsNamedOnceAsTheDialogClosesAfterSave)
{
    Open();
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB001, MOD_CONTROL | MOD_ALT, 'S'));
    std::string title, text;
    const auto readAndDismiss = [&](HWND box) {
        char buffer[512] = {};
        GetWindowTextA(box, buffer, sizeof buffer);
        title = buffer;
        GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
        text = buffer;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    };
    EXPECT_EQ(Answering([&] { SendMessageA(Item(cmdSave), BM_CLICK, 0, 0); }, readAndDismiss), 1u);
    UnregisterHotKey(nullptr, 0xB001);
    EXPECT_EQ(title, "Halcyra");
    EXPECT_NE(text.find("  Ctrl+Alt+S  (start)\r\n"), std::string::npos) << text;
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_NE(GetFileAttributesA(appData.OurFile().c_str()), INVALID_FILE_ATTRIBUTES) << "saved first";
}
