#include "tests/e2e/driver/Program.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Tray.h"
#include "tests/e2e/driver/Wait.h"

#include <stdexcept>

DWORD ProcessOf(HWND window)
{
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const char* windowClass)
{
    std::vector<HWND> windows;
    for (HWND window = FindWindowExA(nullptr, nullptr, windowClass, nullptr); window;
         window = FindWindowExA(nullptr, window, windowClass, nullptr)) {
        if (ProcessOf(window) == processId)
            windows.push_back(window);
    }
    return windows;
}

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

std::vector<HWND> Program::Windows(const std::string& windowClass, bool visibleOnly) const
{
    auto windows = TopLevelWindowsOf(id_, windowClass.c_str());
    if (visibleOnly)
        std::erase_if(windows, [](HWND window) { return !IsWindowVisible(window); });
    return windows;
}

HWND Program::MainWindow()
{
    if (!mainWindow_) {
        for (HWND window : TopLevelWindowsOf(id_, nullptr)) {
            if (TextOf(window) == "Halcyra" && ClassOf(window) != "#32770")
                mainWindow_ = window;
        }
    }
    return mainWindow_;
}

HWND Program::FlashWindow() const
{
    for (HWND window : TopLevelWindowsOf(id_, nullptr)) {
        if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED)
            return window;
    }
    return nullptr;
}

std::optional<MessageBoxSeen> WaitForMessageBox(const Program& program, DWORD timeoutMs)
{
    std::vector<HWND> boxes;
    if (!WaitUntil([&] { return !(boxes = program.Windows("#32770")).empty(); }, timeoutMs))
        return std::nullopt;
    MessageBoxSeen seen{boxes.front(), TextOf(boxes.front()), {}, {}};
    for (HWND child = GetWindow(seen.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button")
            seen.buttons.push_back(TextOf(child));
        else if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            seen.text += TextOf(child);
    }
    return seen;
}

bool DismissMessageBox(const MessageBoxSeen& box)
{
    const HWND button = FindWindowExA(box.window, nullptr, "Button", nullptr);
    if (!button)
        return false;
    // A click that arrives before the box has been mapped on the X display goes to the
    // window below it.
    WaitUntil([&] { return GetForegroundWindow() == box.window; }, 3000);
    for (int attempt = 0; attempt < 3; ++attempt) {
        LeftClickAt(CentreOf(button));
        if (WaitUntil([&] { return !IsWindowVisible(box.window); }, 1000))
            return true;
    }
    return false;
}
