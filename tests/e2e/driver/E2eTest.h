#pragma once
// The program under test as the user meets it: its process, its windows, its icon in the
// tray, its flashes, its files and its Run value.
#include "tests/e2e/driver/Desktop.h"

#include "platform/win32/Handles.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

// Timeouts of the harness: generous, since they only bound a wait that normally ends
// much sooner.
inline constexpr DWORD kStartTimeoutMs = 20000;
inline constexpr DWORD kActionTimeoutMs = 3000;

inline std::string CrLfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

inline std::optional<std::string> ReadRunValue(const char* name)
{
    char data[2048] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return data;
}

// Deletes the value when data is nullopt.
inline void WriteRunValue(const char* name, const std::optional<std::string>& data)
{
    data ? RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, name, REG_SZ, data->c_str(), DWORD(data->size() + 1))
         : RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, name);
}

// As the icon's owner takes it away.
inline void RemoveTrayIcon(HWND owner)
{
    NOTIFYICONDATAA data = {.cbSize = sizeof data, .hWnd = owner, .uID = 1};
    Shell_NotifyIconA(NIM_DELETE, &data);
}

// One run of halcyra.exe with its own application-data folder. It is ended, and its tray
// icon removed, when the object goes; a job object ends it even if the driver dies.
struct Program {
    Program(const std::string& exePath, const std::string& appData) : job(CreateJobObjectA(nullptr, nullptr))
    {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {
            .BasicLimitInformation = {.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE}};
        SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        // Inherited by the program; the driver itself never reads it.
        SetEnvironmentVariableA("APPDATA", appData.c_str());
        std::string commandLine = "\"" + exePath + "\"";
        STARTUPINFOA startup = {.cb = sizeof startup};
        PROCESS_INFORMATION info = {};
        Require(CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                               nullptr, &startup, &info),
                "cannot start " + exePath);
        process.reset(info.hProcess);
        id = info.dwProcessId;
        AssignProcessToJobObject(job.get(), info.hProcess);
        ResumeThread(info.hThread);
        CloseHandle(info.hThread);
    }
    ~Program()
    {
        // A killed program cannot take its icon away; the tray only needs the owner's handle.
        const HWND mainWindow = Window("HalcyraMain");
        TerminateProcess(process.get(), 1);
        WaitForExit(5000);
        if (mainWindow)
            RemoveTrayIcon(mainWindow);
    }

    bool WaitForExit(DWORD timeoutMs) const { return WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0; }
    std::vector<HWND> Windows(const char* windowClass) const { return TopLevelWindowsOf(id, windowClass); }
    HWND Window(const char* windowClass) const
    {
        const auto windows = Windows(windowClass);
        return windows.empty() ? nullptr : windows.front();
    }

    UniqueKernelHandle job, process;
    DWORD id = 0;
};

// Wine's own notification area, the "__winex11_standalone_tray" window when the X desktop
// has no tray, holds a child window and a tooltip tool for each icon: the icons whose tip
// starts with "Halcyra", by their windows. The tooltip belongs to the tray's process,
// where the pointers of its messages must be valid: remote is memory there.
inline std::map<HWND, std::string> HalcyraIcons()
{
    std::map<HWND, std::string> icons;
    const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    DWORD trayProcess = 0;
    GetWindowThreadProcessId(tray, &trayProcess);
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, trayProcess));
    auto* remote = static_cast<char*>(
        tray && process ? VirtualAllocEx(process.get(), nullptr, 4096, MEM_COMMIT, PAGE_READWRITE) : nullptr);
    for (HWND tooltip : remote ? TopLevelWindowsOf(trayProcess, TOOLTIPS_CLASSA) : std::vector<HWND>{}) {
        for (int i = 0; i < SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0); ++i) {
            struct { TTTOOLINFOA info; char tip[128]; } tool = {{.cbSize = sizeof tool.info}, {}};
            tool.info.lpszText = remote + sizeof tool.info;
            WriteProcessMemory(process.get(), remote, &tool, sizeof tool, nullptr);
            SendMessageA(tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(remote));
            ReadProcessMemory(process.get(), remote, &tool, sizeof tool - 1, nullptr);
            if (std::string(tool.tip).starts_with("Halcyra") && GetParent(HWND(tool.info.uId)) == tray)
                icons[HWND(tool.info.uId)] = tool.tip;
        }
    }
    VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
    return icons;
}

// The one Halcyra icon, with this tip when one is given, once it is where a click reaches
// it, or nullptr: when the tray comes back after its last icon went, Wine shows the tray
// window again and the window manager places it, so an icon's tooltip tool exists before
// the icon has settled.
inline HWND WaitForHalcyraIcon(DWORD timeoutMs, const std::string& tip = "")
{
    HWND found = nullptr;
    RECT last = {};
    PumpUntil(
        [&] {
            const auto icons = HalcyraIcons();
            const auto icon = icons.size() == 1 ? *icons.begin() : std::map<HWND, std::string>::value_type();
            const bool shown = IsWindowVisible(icon.first) && (tip.empty() || icon.second == tip);
            const RECT now = shown ? RectOf(icon.first) : RECT{};
            found = !IsRectEmpty(&now) && EqualRect(&now, &last) ? icon.first : nullptr;
            last = now;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

// One showing of the flash window, as seen by polling it every millisecond.
struct FlashSighting {
    DWORD shownMs = 0;
    DWORD hiddenMs = 0;  // 0 while it still showed when the watch ended
    RECT rect = {};
    LONG exStyle = 0;
    COLORREF colourKey = 0;
    BYTE alpha = 0;
    DWORD layeredFlags = 0;
};

// Times are read from timeGetTime, at the 1 ms resolution that the fixture asks for.
inline std::vector<FlashSighting> WatchFlashes(HWND flash, DWORD forMs)
{
    std::vector<FlashSighting> sightings;
    bool showing = false;
    for (DWORD now = timeGetTime(), end = now + forMs; now < end; Sleep(1), now = timeGetTime()) {
        const bool visible = IsWindowVisible(flash);
        if (visible && !showing) {
            FlashSighting& seen = sightings.emplace_back(
                FlashSighting{.shownMs = now, .rect = RectOf(flash), .exStyle = GetWindowLongA(flash, GWL_EXSTYLE)});
            GetLayeredWindowAttributes(flash, &seen.colourKey, &seen.alpha, &seen.layeredFlags);
        }
        if (!visible && showing)
            sightings.back().hiddenMs = now;
        showing = visible;
    }
    return sightings;
}

// One line of text as the flash window measures it, the point size at the screen's resolution.
inline SIZE TextExtent(const std::string& text, const std::string& face, int points, bool bold)
{
    // The DC goes first, letting go of the font.
    const UniqueFont font(CreateFontA(-(points * static_cast<int>(GetDpiForSystem()) / 72), 0, 0, 0,
                                      bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                      NONANTIALIASED_QUALITY, 0, face.c_str()));
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    SelectObject(dc.get(), font.get());
    SIZE extent = {};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

// Every test gets a fresh folder under the Windows temp folder, with an application-data
// folder for the program and a copy of halcyra.exe in a folder whose name has spaces.
// When it is over, the program is ended, the folder goes and the Run values are put back
// as the test found them.
class E2eTest : public testing::Test {
protected:
    E2eTest()
    {
        static int counter = 0;
        root = (std::filesystem::temp_directory_path() /
                ("halcyra e2e " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter)))
                   .string();
        std::filesystem::create_directories(AppData());
        std::filesystem::create_directories(std::filesystem::path(ExePath()).parent_path());
        // Wine maps the Unix root to drive Z:.
        std::filesystem::copy_file("Z:" HALCYRA_EXE, ExePath());
        // Fine-grained polling of the flash window needs the 1 ms timer resolution.
        timeBeginPeriod(1);
    }
    ~E2eTest() override
    {
        timeEndPeriod(1);
        program.reset();
        std::error_code error;
        std::filesystem::remove_all(root, error);
        WriteRunValue("Halcyra", halcyraRun_);
        WriteRunValue("Brindlewick", brindlewickRun_);
    }

    std::string AppData() const { return root + "\\AppData"; }
    std::string ExePath() const { return root + "\\Program Files\\Halcyra Test\\halcyra.exe"; }
    std::string SettingsPath() const { return AppData() + "\\Halcyra\\settings.ini"; }
    std::string LegacyPath() const { return AppData() + "\\Brindlewick\\settings.ini"; }

    // Launches and waits until start-up has run to the message loop, or to a nested one
    // such as a message box's, with the icon in the tray.
    HWND LaunchToTray()
    {
        program = std::make_unique<Program>(ExePath(), AppData());
        Require(WaitForInputIdle(program->process.get(), kStartTimeoutMs) == 0, "the program did not finish starting");
        return TrayIcon(kStartTimeoutMs);
    }
    HWND TrayIcon(DWORD timeoutMs) const
    {
        const HWND icon = WaitForHalcyraIcon(timeoutMs);
        Require(icon != nullptr, "no Halcyra icon in the tray");
        return icon;
    }
    // Opens the tray menu with the right button and picks an item by its underlined letter;
    // returns where the menu was.
    RECT ChooseFromTrayMenu(WORD mnemonicKey)
    {
        ClickAt(CentreOf(TrayIcon(kActionTimeoutMs)), 1, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        HWND menu = nullptr;
        const auto open = [&] { return (menu = program->Window("#32768")) && IsWindowVisible(menu); };
        Require(PumpUntil(open, kActionTimeoutMs), "the tray menu did not open");
        const RECT rect = RectOf(menu);
        PressChord({mnemonicKey});
        Require(PumpUntil([&] { return !IsWindowVisible(menu); }, kActionTimeoutMs), "the menu stays open");
        return rect;
    }

    std::string root;
    std::unique_ptr<Program> program;

private:
    const std::optional<std::string> halcyraRun_ = ReadRunValue("Halcyra");
    const std::optional<std::string> brindlewickRun_ = ReadRunValue("Brindlewick");
};
