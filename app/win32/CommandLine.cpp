#include "app/win32/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

#include "app/win32/frmMain.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"

namespace {

constexpr ULONGLONG kAnswerTimeoutMs = 5000;

}  // namespace

std::vector<std::string> CommandLineArguments()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const UniqueLocalMemory owner(arguments);
    std::vector<std::string> utf8;
    for (int i = 1; arguments && i < count; ++i)
        utf8.push_back(Utf8(arguments[i]));
    return utf8;
}

void ShowCommandList(const CommandRefusal* refusal)
{
    MessageBoxW(nullptr, Wide(CommandListText(refusal)).c_str(), L"Halcyra",
                MB_OK | (refusal ? MB_ICONEXCLAMATION : MB_ICONINFORMATION));
}

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
