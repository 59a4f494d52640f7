#include "dialog/tests/DialogHarness.h"

#include "app/tests/TestWindow.h"
#include "dialog/frmSettings.h"
#include "settings/Settings.h"

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

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

COLORREF PixelOf(HWND window, int x, int y)
{
    UpdateWindow(window);
    const HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

bool HotkeyIsFree(UINT mods, UINT key)
{
    TestWindow other;
    const bool taken = RegisterHotKey(other.get(), 1, mods, key);
    UnregisterHotKey(other.get(), 1);
    return taken;
}

std::optional<std::string> OurRunEntry()
{
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, "Halcyra", RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void SetOurRunEntry(const std::optional<std::string>& command)
{
    if (!command)
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Halcyra");
    else
        RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, "Halcyra", REG_SZ, command->c_str(),
                        static_cast<DWORD>(command->size() + 1));
}

std::vector<DialogSeen> Answering(const std::function<void()>& action, std::function<void(HWND)> respond)
{
    static std::vector<DialogSeen>* seen;
    static std::function<void(HWND)>* answer;
    std::vector<DialogSeen> boxes;
    if (!respond)
        respond = [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); };
    seen = &boxes;
    answer = &respond;
    const HOOKPROC hook = [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto window = reinterpret_cast<HWND>(wParam);
        char kind[16] = {};
        if (code == HCBT_ACTIVATE && GetClassNameA(window, kind, sizeof kind) && std::string(kind) == "#32770") {
            // A message box shows its text in a static control of id 0xFFFF.
            seen->push_back({WindowText(window), WindowText(GetDlgItem(window, 0xFFFF))});
            (*answer)(window);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    };
    const HHOOK installed = SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(installed);
    return boxes;
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
    SetOurRunEntry(runEntry);
}

void SettingsDialogTest::Open()
{
    form->ShowSettings();
    dialog = SettingsDialog();
    // The window manager hands the focus over in its own time: wait until the dialog has
    // kept it for a moment.
    DWORD since = GetTickCount();
    PumpUntil([&] {
        if (GetForegroundWindow() != dialog || GetFocus() != Item(lstMessages))
            since = GetTickCount();
        return GetTickCount() - since > 200;
    });
}

std::vector<std::string> SettingsDialogTest::ListEntries() const
{
    std::vector<std::string> entries;
    const HWND list = Item(lstMessages);
    for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        std::string entry(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        entry.resize(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        entries.push_back(entry);
    }
    return entries;
}
