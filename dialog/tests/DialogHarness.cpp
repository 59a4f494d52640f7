#include "dialog/tests/DialogHarness.h"

#include "app/tests/TestWindow.h"
#include "dialog/frmSettings.h"
#include "platform/Handles.h"
#include "settings/Settings.h"

namespace {

ModalResponder* activeResponder = nullptr;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

UniqueRegKey OpenRun()
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                    nullptr);
    return UniqueRegKey(key);
}

std::optional<std::string> ReadRun(const char* name)
{
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    if (RegQueryValueExA(OpenRun().get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(value);
}

void WriteRun(const char* name, const std::optional<std::string>& value)
{
    if (!value) {
        RegDeleteValueA(OpenRun().get(), name);
        return;
    }
    RegSetValueExA(OpenRun().get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                   static_cast<DWORD>(value->size() + 1));
}

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

RunEntries::RunEntries() : ours_(ReadRun("Halcyra")), earlier_(ReadRun("Brindlewick")) {}

RunEntries::~RunEntries()
{
    WriteRun("Halcyra", ours_);
    WriteRun("Brindlewick", earlier_);
}

std::optional<std::string> RunEntries::Ours()
{
    return ReadRun("Halcyra");
}

void RunEntries::SetOurs(const std::string& command)
{
    WriteRun("Halcyra", command);
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
