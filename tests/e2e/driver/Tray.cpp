#include "tests/e2e/driver/Tray.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Wait.h"

#include "platform/Handles.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

// Memory in another process, for the tooltip messages whose pointers must be valid there.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, SIZE_T size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
    {
    }
    ~RemoteBuffer()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* get() const { return static_cast<char*>(address_); }

private:
    HANDLE process_;
    void* address_;
};

HWND StandaloneTray() { return FindWindowA("__winex11_standalone_tray", nullptr); }

DWORD ProcessOf(HWND window)
{
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

struct Tool {
    HWND window;
    std::string text;
};

// The tools of one tooltip window and their texts, read through memory of the tray's
// process, where the tooltip's pointers must be valid.
std::vector<Tool> ToolsOf(HANDLE trayProcess, HWND tooltip)
{
    std::vector<Tool> tools;
    const int count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        constexpr SIZE_T textOffset = 1024, textBytes = 1024;
        RemoteBuffer remote(trayProcess, textOffset + textBytes);
        if (!remote.get())
            break;
        TTTOOLINFOW info = {};
        info.cbSize = sizeof info;
        info.lpszText = reinterpret_cast<LPWSTR>(remote.get() + textOffset);
        WriteProcessMemory(trayProcess, remote.get(), &info, sizeof info, nullptr);
        if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote.get())))
            continue;
        wchar_t text[textBytes / sizeof(wchar_t)] = {};
        ReadProcessMemory(trayProcess, remote.get(), &info, sizeof info, nullptr);
        ReadProcessMemory(trayProcess, remote.get() + textOffset, text, sizeof text - sizeof(wchar_t), nullptr);
        char ansi[textBytes] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
        tools.push_back({reinterpret_cast<HWND>(info.uId), ansi});
    }
    return tools;
}

// Every tooltip window of the tray's process with its tools.
template <typename Visit>
void ForEachTrayTooltip(HWND tray, Visit visit)
{
    const DWORD trayId = ProcessOf(tray);
    const UniqueKernelHandle trayProcess(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, trayId));
    if (!trayProcess)
        return;
    for (HWND tooltip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tooltip;
         tooltip = FindWindowExA(nullptr, tooltip, TOOLTIPS_CLASSA, nullptr)) {
        if (ProcessOf(tooltip) == trayId)
            visit(tooltip, ToolsOf(trayProcess.get(), tooltip));
    }
}

}  // namespace

std::vector<TrayIcon> TrayIcons()
{
    std::vector<TrayIcon> icons;
    const HWND tray = StandaloneTray();
    if (!tray)
        return icons;
    for (HWND child = FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr); child;
         child = FindWindowExA(tray, child, "__winex11_tray_icon", nullptr))
        icons.push_back({child, {}});

    ForEachTrayTooltip(tray, [&](HWND, const std::vector<Tool>& tools) {
        for (const Tool& tool : tools) {
            for (TrayIcon& icon : icons) {
                if (tool.window == icon.window)
                    icon.tip = tool.text;
            }
        }
    });
    return icons;
}

std::vector<TrayIcon> TrayIconsWithTip(const std::string& prefix)
{
    std::vector<TrayIcon> matching;
    for (const TrayIcon& icon : TrayIcons()) {
        if (icon.tip.starts_with(prefix))
            matching.push_back(icon);
    }
    return matching;
}

// The icon once it can be clicked: when the tray comes back after its last icon went, Wine
// shows the tray window again and the window manager places it, so an icon's tooltip
// tool exists before the icon has settled where a click would reach it.
std::optional<TrayIcon> WaitForHalcyraIcon(DWORD timeoutMs)
{
    std::optional<TrayIcon> found;
    RECT lastRect = {};
    WaitUntil(
        [&] {
            const auto icons = TrayIconsWithTip("Halcyra");
            if (icons.size() != 1 || !IsWindowVisible(icons.front().window))
                return false;
            RECT rect = {};
            GetWindowRect(icons.front().window, &rect);
            const bool settled = EqualRect(&rect, &lastRect);
            lastRect = rect;
            if (settled)
                found = icons.front();
            return settled;
        },
        timeoutMs);
    return found;
}

bool WaitForHalcyraTip(const std::string& tip, DWORD timeoutMs)
{
    return WaitUntil(
        [&] {
            const auto icons = TrayIconsWithTip("Halcyra");
            return icons.size() == 1 && icons.front().tip == tip;
        },
        timeoutMs);
}

POINT CentreOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void RightClickIcon(const TrayIcon& icon)
{
    MoveMouse(CentreOf(icon.window));
    ClickMouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void DoubleClickIcon(const TrayIcon& icon) { DoubleClickAt(CentreOf(icon.window)); }

void RemoveTrayIcon(HWND owner, UINT id)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = id;
    Shell_NotifyIconA(NIM_DELETE, &data);
}

std::optional<std::string> VisibleTrayTip()
{
    std::optional<std::string> shown;
    if (const HWND tray = StandaloneTray()) {
        ForEachTrayTooltip(tray, [&](HWND tooltip, const std::vector<Tool>& tools) {
            if (IsWindowVisible(tooltip) && tools.size() == 1)
                shown = tools.front().text;
        });
    }
    return shown;
}
