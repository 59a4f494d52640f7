#pragma once
// The program under test as the user meets it from another process: its windows, its icon
// in the tray, its files and its Run value; input made with SendInput so that the system
// routes it, and the X display behind Wine where Windows cannot look.
#include "platform/win32/Controls.h"
#include "platform/win32/Handles.h"
#include "tests/support/Files.h"
#include "tests/support/win32/Keys.h"
#include "tests/support/win32/Pump.h"
#include "tests/support/win32/RunKey.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include <gtest/gtest.h>

// Generous: they only bound waits that normally end much sooner.
inline constexpr DWORD kStartTimeoutMs = 20000, kActionTimeoutMs = 3000;

// For harness steps that a test cannot go on without: GoogleTest reports the text as the
// test's failure.
template <class T> T Require(T value, const std::string& what)
{
    if (!value)
        throw std::runtime_error(what);
    return value;
}

inline std::vector<HWND> TopLevelWindowsOf(DWORD processId, const char* windowClass)
{
    std::vector<HWND> windows;
    DWORD owner = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, windowClass, nullptr));)
        if (GetWindowThreadProcessId(window, &owner) && owner == processId)
            windows.push_back(window);
    return windows;
}

inline RECT RectOf(HWND window) { RECT rect = {}; GetWindowRect(window, &rect); return rect; }
inline POINT CentreOf(HWND w) { const RECT r = RectOf(w); return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// As the icon's owner takes it away; false when there was no such icon.
inline bool RemoveTrayIcon(HWND owner)
{
    NOTIFYICONDATAA data = {.cbSize = sizeof data, .hWnd = owner, .uID = 1};
    return Shell_NotifyIconA(NIM_DELETE, &data);
}

// The standard output of a Unix shell command once it has finished. Wine starts Unix
// programs through CreateProcess but gives no handle to wait on, so the output is moved to
// where the driver looks for it only when it is complete; Wine maps the Unix root to Z:.
inline std::string UnixCommandOutput(const std::string& command)
{
    static int counter = 0;
    const auto file = "/tmp/halcyra-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    std::string line = "/bin/sh -c \"" + command + " >" + file + ".part; mv " + file + ".part " + file + "\"";
    STARTUPINFOA startup = {.cb = sizeof startup};
    PROCESS_INFORMATION info = {};
    CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    PumpUntil([&] { return std::filesystem::exists("Z:" + file); }, 10000);
    const std::string output = ReadBytes("Z:" + file);  // "<missing>" if it never started or finished
    std::filesystem::remove("Z:" + file);
    return output;
}

// Waits until typed keys reach a top-level window: it is in front for Windows and has the
// focus on the X display (the X window Wine made for it), and its thread has caught up
// with the X events that came with it. The window manager gives the focus a moment after
// a window appears, and Wine then reads the keyboard state back from X, where no injected
// key is down: modifiers pressed before that moment would be lost.
inline bool WaitForKeyboard(HWND window, DWORD waitMs)
{
    const auto hasKeyboard = [&] {
        return GetForegroundWindow() == window && UnixCommandOutput("xdotool getwindowfocus") ==
               std::to_string(reinterpret_cast<uintptr_t>(GetPropA(window, "__wine_x11_whole_window"))) + "\n";
    };
    // The window's thread reads its pending X events before it answers a sent message.
    return PumpUntil(hasKeyboard, waitMs) && SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, waitMs, nullptr);
}

// One mouse button going down or up (MOUSEEVENTF_LEFTDOWN...) through the system's input, at
// the point that comes with it. Wine warps the X pointer after every move and hands the X
// server's report of each warp back to the system as a move of its own, from whichever
// program's window the pointer was over; under load that report can come after a later move,
// and a button that took the pointer where it stood would land on the control clicked before.
// A position sent with the button cannot be parted from it.
inline void MouseButton(DWORD flags, POINT at)
{
    // In 65536ths of the desktop, which the system scales back rounding down: the smallest
    // value that reaches the pixel.
    const auto scaled = [](LONG offset, int size) { return static_cast<LONG>((offset * 65536LL + size - 1) / size); };
    const LONG dx = scaled(at.x - GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const LONG dy = scaled(at.y - GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    const DWORD placed = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    INPUT button = {.type = INPUT_MOUSE, .mi = {.dx = dx, .dy = dy, .dwFlags = flags | placed}};
    SendInput(1, &button, sizeof button);
}

// Clicks there with the system's input.
inline void ClickAt(POINT at, int clicks = 1, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP)
{
    for (int i = 0; i < 2 * clicks; ++i)
        MouseButton(i % 2 ? up : down, at);
}

// Presses the keys in order and releases them in reverse order. Before they go down, the X
// events of earlier pointer moves and focus changes reach the program in front: entering
// another X window, or getting the X focus, makes Wine read the keyboard state back from the
// X server, where no injected key is down, and a modifier held at that moment would be
// released behind the test's back. The pointer query is a round trip to the X server: every
// request made before it, the pointer warps included, has been carried out.
inline void PressChord(std::vector<WORD> keys)
{
    UnixCommandOutput("xdotool getmouselocation");
    SendMessageTimeoutA(GetForegroundWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, nullptr);
    for (size_t i = 0, n = keys.size(); i < 2 * n; ++i)
        SendKey(i < n ? keys[i] : keys[2 * n - 1 - i], i < n ? 0 : KEYEVENTF_KEYUP);
}

// Wine's own notification area, the "__winex11_standalone_tray" window when the X desktop
// has no tray, holds a child window and a tooltip tool for each icon. The tooltip belongs to
// the tray's process, where the pointers of its messages must be valid: remote is memory
// there. Waits for the one icon whose tip starts with "Halcyra", with this tip when one is
// given, once it is where a click reaches it: when the tray comes back after its last icon
// went, Wine shows the tray window again and the window manager places it, so an icon's
// tooltip tool exists before the icon has settled. A tip given is the start of the icon's.
// Gives nullptr if none came.
inline HWND WaitForHalcyraIcon(DWORD timeoutMs, const std::string& tip = "")
{
    HWND found = nullptr;
    RECT last = {};
    const auto settled = [&] {
        std::vector<std::pair<HWND, std::string>> seen;
        const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
        DWORD pid = 0;  // the tray's process; stays 0 without a tray, which no process has
        GetWindowThreadProcessId(tray, &pid);
        const UniqueKernelHandle owner(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, 0, pid));
        auto* remote = static_cast<char*>(VirtualAllocEx(owner.get(), nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
        for (HWND tooltip : remote ? TopLevelWindowsOf(pid, TOOLTIPS_CLASSA) : std::vector<HWND>{})
            for (int i = 0; i < SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0); ++i) {
                struct { TTTOOLINFOA info; char tip[128]; } tool = {{.cbSize = sizeof tool.info}, {}};
                tool.info.lpszText = remote + sizeof tool.info;
                WriteProcessMemory(owner.get(), remote, &tool, sizeof tool, nullptr);
                SendMessageA(tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(remote));
                ReadProcessMemory(owner.get(), remote, &tool, sizeof tool - 1, nullptr);
                if (std::string(tool.tip).starts_with("Halcyra") && GetParent(HWND(tool.info.uId)) == tray)
                    seen.emplace_back(HWND(tool.info.uId), tool.tip);
            }
        VirtualFreeEx(owner.get(), remote, 0, MEM_RELEASE);
        const bool one = seen.size() == 1 && IsWindowVisible(seen[0].first) && seen[0].second.starts_with(tip);
        const RECT now = one ? RectOf(found = seen[0].first) : RECT{};
        const bool still = !IsRectEmpty(&now) && EqualRect(&now, &last);
        last = now;
        return still;
    };
    return PumpUntil(settled, timeoutMs) ? found : nullptr;
}

// One message, one size, yellow (#FFFF00) and opaque, a flash a second once started,
// so that every flash can be predicted from outside.
inline std::string PredictableSettings(int durationMs, bool startActive)
{
    return "[Timing]\r\nIntervalMin=1\r\nIntervalMax=1\r\nDurationMs=" + std::to_string(durationMs) +
           "\r\n[Look]\r\nFontName=Arial\r\nFontSizeMin=30\r\nFontSizeMax=30\r\nBold=1\r\nColor=65535\r\n"
           "RandomColor=0\r\nOpacity=255\r\nAllMonitors=0\r\n[General]\r\nStartWithWindows=0\r\nStartActive=" +
           std::to_string(startActive) + "\r\n[Messages]\r\nCount=1\r\nM1=Stay calm\r\n";
}

// Every test gets a folder of its own under the Windows temp folder, whose name has a space,
// with an application-data folder for the program and a copy of halcyra.exe. When it is
// over, the program is ended, the folder goes and the Run values are put back as the test
// found them.
class E2eTest : public testing::Test {
protected:
    E2eTest()
    {
        std::filesystem::create_directories(appData);
        std::filesystem::copy_file("Z:" HALCYRA_EXE, exe);  // Wine maps the Unix root to Z:
    }
    ~E2eTest() override
    {
        // A killed program cannot take its icon away; the tray needs only the owner's handle.
        const HWND mainWindow = Window("HalcyraMain");
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
        RemoveTrayIcon(mainWindow);
        std::error_code error;
        std::filesystem::remove_all(root, error);
        SetRunValue("Halcyra", halcyraRun_);
        SetRunValue("Brindlewick", brindlewickRun_);
    }

    // Starts halcyra.exe, or another copy of it, with this application-data folder and
    // arguments, inside a job that ends it when the driver ends, however that happens.
    UniqueKernelHandle Start(const std::string& appDataFolder, const std::string& arguments = "",
                             const std::string& program = "") const
    {
        const std::string file = program.empty() ? exe : program;
        std::string line = "\"" + file + "\" " + arguments;
        static const HANDLE job = CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        SetEnvironmentVariableA("APPDATA", appDataFolder.c_str());  // inherited; the driver never reads it
        STARTUPINFOA startup = {.cb = sizeof startup};
        PROCESS_INFORMATION info = {};
        // Should it fail, the null handle shows as a start that never finished.
        CreateProcessA(file.c_str(), line.data(), nullptr, nullptr, 0, CREATE_SUSPENDED, nullptr, nullptr, &startup, &info);
        AssignProcessToJobObject(job, info.hProcess);
        ResumeThread(info.hThread);
        CloseHandle(info.hThread);
        return UniqueKernelHandle(info.hProcess);
    }
    // Launches and waits until start-up has run to the message loop, or to a nested one
    // such as a message box's, with the icon in the tray.
    HWND Launch()
    {
        process = Start(appData);
        Require(WaitForInputIdle(process.get(), kStartTimeoutMs) == 0, "the program did not finish starting");
        return TrayIcon(kStartTimeoutMs);
    }
    std::vector<HWND> Windows(const char* name) const { return TopLevelWindowsOf(GetProcessId(process.get()), name); }
    HWND Window(const char* name) const { return Windows(name).empty() ? nullptr : Windows(name)[0]; }
    static HWND TrayIcon(DWORD ms = kActionTimeoutMs) { return Require(WaitForHalcyraIcon(ms), "no Halcyra icon"); }
    // A second launch with these arguments, as a script runs it: its exit code.
    DWORD Run(const std::string& arguments) const
    {
        const UniqueKernelHandle launch = Start(appData, arguments);
        DWORD code = STILL_ACTIVE;
        WaitForSingleObject(launch.get(), kStartTimeoutMs);
        GetExitCodeProcess(launch.get(), &code);
        return code;
    }
    // Opens the tray menu with the right button and picks an item by its underlined letter,
    // through the submenus that the letters before it open; returns where the menu was.
    RECT ChooseFromTrayMenu(const std::vector<WORD>& letters)
    {
        ClickAt(CentreOf(TrayIcon()), 1, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        const auto open = [&] { return std::ranges::count_if(Windows("#32768"), [](HWND menu) { return IsWindowVisible(menu) != 0; }); };
        Require(PumpUntil([&] { return open() == 1; }, kActionTimeoutMs), "no tray menu");
        const RECT rect = RectOf(Window("#32768"));
        for (std::size_t i = 0; i < letters.size(); ++i) {
            PressChord({letters[i]});
            const long menus = i + 1 < letters.size() ? static_cast<long>(i) + 2 : 0;
            Require(PumpUntil([&] { return open() == menus; }, kActionTimeoutMs), "the menu did not follow the letter");
        }
        return rect;
    }

    const std::string root =
        (std::filesystem::temp_directory_path() / ("halcyra e2e " + std::to_string(GetCurrentProcessId()))).string();
    const std::string appData = root + "\\AppData", exe = root + "\\halcyra.exe";
    const std::string settingsPath = appData + "\\Halcyra\\settings.ini";
    UniqueKernelHandle process;
    const std::optional<std::string> halcyraRun_ = RunValue("Halcyra"), brindlewickRun_ = RunValue("Brindlewick");
};
