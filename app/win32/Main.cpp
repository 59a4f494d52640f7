#include <windows.h>

#include "app/Command.h"
#include "app/win32/frmMain.h"
#include "dialog/win32/frmSettings.h"
#include "flash/win32/frmFlash.h"
#include "platform/win32/Environment.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Text.h"
#include "settings/Random.h"
#include "settings/Settings.h"
#include "settings/StartWithWindows.h"
#include "settings/modSettings.h"

namespace {

void SeedFromTimeOfDay()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    SeedRandom(((now.wHour * 60u + now.wMinute) * 60u + now.wSecond) * 1000u + now.wMilliseconds);
}

void RunUntilTheLastWindowIsGone()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsSettingsDialogMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

constexpr ULONGLONG kAnswerTimeoutMs = 5000;

// The box that lists the commands, with what was not understood first when there is a refusal.
void ShowCommandList(const CommandRefusal* refusal)
{
    MessageBoxW(nullptr, Wide(CommandListText(refusal)).c_str(), L"Halcyra",
                MB_OK | (refusal ? MB_ICONEXCLAMATION : MB_ICONINFORMATION));
}

// Hands the command to the instance that already runs; false when it did not take it within
// 5 seconds (still starting, hung, or refusing the record).
bool SendToRunningInstance(const Command& command)
{
    // The other instance holds the single-instance mutex from its first step, and makes its
    // main window a moment later.
    const ULONGLONG deadline = GetTickCount64() + kAnswerTimeoutMs;
    HWND running = nullptr;
    while (!(running = FindWindowW(Wide(kMainWindowClass).c_str(), Wide(kMainWindowTitle).c_str()))) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
    const std::vector<unsigned char> record = EncodeCommand(command);
    COPYDATASTRUCT data{CommandRecordTag, static_cast<DWORD>(record.size()), const_cast<unsigned char*>(record.data())};
    DWORD_PTR taken = FALSE;
    const auto left = static_cast<UINT>(std::max<ULONGLONG>(deadline - std::min(deadline, GetTickCount64()), 1));
    return SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, left,
                               &taken) &&
           taken == TRUE;
}

// Exit codes of a launch: done; a command the running instance did not take; a command line
// that was not understood.
constexpr int kDone = 0;
constexpr int kNotTaken = 1;
constexpr int kNotUnderstood = 2;

int Main(HINSTANCE instance)
{
    const std::variant<std::monostate, Command, CommandRefusal> parsed = ParseCommandLine(CommandLineArguments());
    if (const auto* refusal = std::get_if<CommandRefusal>(&parsed)) {
        ShowCommandList(refusal);
        return kNotUnderstood;
    }
    const Command* command = std::get_if<Command>(&parsed);
    if (command && command->Kind == CommandKind::Help) {
        ShowCommandList(nullptr);
        return kDone;
    }
    const SingleInstance single;
    if (single.AnotherIsRunning())
        return !command || SendToRunningInstance(*command) ? kDone : kNotTaken;
    if (command && command->Kind == CommandKind::Exit)
        return kDone;

    SeedFromTimeOfDay();
    LoadSettings();
    if (gSettings.StartWithWindows)
        ApplyStartWithWindows(true);

    frmFlash flash(instance, gSettings.HideFromCapture);
    frmMain form(instance, flash);
    if (gSettings.StartActive)
        form.StartFlashing();
    if (command)
        form.QueueCommand(*command);

    RunUntilTheLastWindowIsGone();
    return kDone;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Every failure of the program is silent; one that no handler caught ends it quietly.
    try {
        return Main(instance);
    } catch (...) {
    }
    return kDone;
}
