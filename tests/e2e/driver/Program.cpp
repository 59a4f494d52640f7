#include "tests/e2e/driver/Program.h"

#include "tests/e2e/driver/Tray.h"

#include <stdexcept>

namespace {

struct WindowsOfProcess {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto* wanted = reinterpret_cast<WindowsOfProcess*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == wanted->processId)
        wanted->windows.push_back(window);
    return TRUE;
}

}  // namespace

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ContentOf(HWND control)
{
    const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

RECT RectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

POINT CentreOf(HWND window)
{
    const RECT rect = RectOf(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

Program::Program(const std::string& exePath, const std::string& appData)
{
    job_.reset(CreateJobObjectA(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);

    // Inherited by the program; the driver itself never reads it.
    SetEnvironmentVariableA("APPDATA", appData.c_str());
    std::string commandLine = "\"" + exePath + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &info))
        throw std::runtime_error("cannot start " + exePath);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
    AssignProcessToJobObject(job_.get(), info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
}

Program::~Program()
{
    if (!HasExited()) {
        TerminateProcess(process_.get(), 1);
        WaitForExit(5000);
    }
    // A killed program cannot take its icon away; the tray only needs the owner's handle.
    if (mainWindow_)
        RemoveTrayIcon(mainWindow_, 1);
}

bool Program::WaitForExit(DWORD timeoutMs) const
{
    return WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

bool Program::WaitForIdle(DWORD timeoutMs) const { return WaitForInputIdle(process_.get(), timeoutMs) == 0; }

std::vector<HWND> Program::TopLevelWindows() const
{
    WindowsOfProcess found{id_, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

std::vector<HWND> Program::Windows(const std::string& windowClass, bool visibleOnly) const
{
    std::vector<HWND> matching;
    for (HWND window : TopLevelWindows()) {
        if (ClassOf(window) == windowClass && (!visibleOnly || IsWindowVisible(window)))
            matching.push_back(window);
    }
    return matching;
}

HWND Program::MainWindow()
{
    if (!mainWindow_) {
        for (HWND window : TopLevelWindows()) {
            if (TextOf(window) == "Halcyra" && ClassOf(window) != "#32770")
                mainWindow_ = window;
        }
    }
    return mainWindow_;
}

HWND Program::FlashWindow() const
{
    for (HWND window : TopLevelWindows()) {
        if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED)
            return window;
    }
    return nullptr;
}
