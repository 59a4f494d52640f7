#include "dialog/frmSettings.h"

#include "app/frmMain.h"
#include "flash/frmFlash.h"
#include "settings/Settings.h"
#include "settings/tests/TempAppData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Runs the program's own routing of queued messages until done() holds or timeoutMs has
// passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsSettingsDialogMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    return true;
}

void SendKey(WORD key, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Presses keys as a chord through the system's input queue and returns once the dialog's
// thread has taken them all.
void PressKeys(const std::vector<WORD>& chord)
{
    // Keys go to the foreground window, which the window manager may have moved elsewhere
    // now and then between two steps of a test.
    if (const HWND dialog = SettingsDialog(); dialog && GetForegroundWindow() != dialog) {
        SetForegroundWindow(dialog);
        PumpUntil([&] { return GetForegroundWindow() == dialog; });
    }
    const WORD last = chord.back();
    const SHORT toggledBefore = GetKeyState(last) & 1;
    for (WORD key : chord)
        SendKey(key, 0);
    for (auto key = chord.rbegin(); key != chord.rend(); ++key)
        SendKey(*key, KEYEVENTF_KEYUP);
    // The thread's own key state changes only as it takes the key messages from its queue.
    ASSERT_TRUE(PumpUntil([&] { return (GetKeyState(last) & 1) != toggledBefore && GetKeyState(last) >= 0; }));
    PumpUntil([] { return false; }, 30);  // and whatever they posted in turn
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
        form = std::make_unique<frmMain>(GetModuleHandleA(nullptr), flash);
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
