#include "dialog/tests/DialogHarness.h"

#include "app/tests/TestWindow.h"
#include "dialog/frmSettings.h"
#include "settings/Settings.h"

namespace {

ModalResponder* activeResponder = nullptr;

void SendKey(WORD key, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (IsSettingsDialogMessage(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

void PressKeys(std::initializer_list<WORD> chord)
{
    const WORD last = *(chord.end() - 1);
    const SHORT toggledBefore = GetKeyState(last) & 1;
    for (WORD key : chord)
        SendKey(key, 0);
    for (auto key = chord.end(); key != chord.begin();)
        SendKey(*--key, KEYEVENTF_KEYUP);
    // The thread's own key state changes only as it takes the key messages from its queue.
    const bool taken = PumpUntil([&] { return (GetKeyState(last) & 1) != toggledBefore && GetKeyState(last) >= 0; });
    ASSERT_TRUE(taken) << "the keys never reached the dialog's thread";
    PumpUntil([] { return false; }, 30);  // and whatever they posted in turn
}

HeldKey::HeldKey(WORD key) : key_(key)
{
    SendKey(key_, 0);
    EXPECT_TRUE(PumpUntil([&] { return GetAsyncKeyState(key_) < 0; }));
}

HeldKey::~HeldKey()
{
    SendKey(key_, KEYEVENTF_KEYUP);
    EXPECT_TRUE(PumpUntil([&] { return GetAsyncKeyState(key_) >= 0; }));
}

std::string WindowText(HWND window)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool HotkeyIsFree(UINT mods, UINT key)
{
    TestWindow other;
    const bool taken = RegisterHotKey(other.get(), 1, mods, key);
    if (taken)
        UnregisterHotKey(other.get(), 1);
    return taken;
}

ModalResponder::ModalResponder(std::function<void(HWND)> respond)
    : respond_(respond ? std::move(respond)
                       : [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }),
      previous_(activeResponder)
{
    activeResponder = this;
    hook_ = SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
}

ModalResponder::~ModalResponder()
{
    UnhookWindowsHookEx(hook_);
    activeResponder = previous_;
}

LRESULT CALLBACK ModalResponder::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    char kind[16] = {};
    if (code == HCBT_ACTIVATE && GetClassNameA(window, kind, sizeof kind) && std::string(kind) == "#32770") {
        Seen seen{WindowText(window), {}};
        // A message box shows its text in a static control of id 0xFFFF.
        if (const HWND text = GetDlgItem(window, 0xFFFF))
            seen.text = WindowText(text);
        activeResponder->seen.push_back(seen);
        activeResponder->respond_(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void SettingsDialogTest::SetUp()
{
    gSettings = DefaultSettings();
    AppExiting = false;
    form = std::make_unique<frmMain>(GetModuleHandleA(nullptr), flash);
}

void SettingsDialogTest::TearDown()
{
    CloseSettingsDialog();
    form.reset();
    DrainQuitMessage();
    AppExiting = false;
}

HWND SettingsDialogTest::Open()
{
    form->ShowSettings();
    dialog = SettingsDialog();
    PumpUntil([&] { return GetForegroundWindow() == dialog && GetFocus() == Item(lstMessages); });
    return dialog;
}

void SettingsDialogTest::Click(SettingsControl id) const
{
    SendMessageA(Item(id), BM_CLICK, 0, 0);
}

void SettingsDialogTest::Focus(SettingsControl id) const
{
    SetFocus(Item(id));
}

std::vector<std::string> SettingsDialogTest::ListEntries() const
{
    std::vector<std::string> entries;
    const LRESULT count = SendMessageA(Item(lstMessages), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string entry(static_cast<std::size_t>(SendMessageA(Item(lstMessages), LB_GETTEXTLEN, i, 0)) + 1, '\0');
        entry.resize(static_cast<std::size_t>(
            SendMessageA(Item(lstMessages), LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        entries.push_back(entry);
    }
    return entries;
}

int SettingsDialogTest::ListSelection() const
{
    return static_cast<int>(SendMessageA(Item(lstMessages), LB_GETCURSEL, 0, 0));
}
