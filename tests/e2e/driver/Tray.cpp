#include "tests/e2e/driver/Tray.h"

#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Wait.h"

#include "platform/win32/Handles.h"

#include <commctrl.h>
#include <shellapi.h>

#include <map>

namespace {

// One tool of a tooltip as its icon window and text. The tooltip belongs to the tray's
// process, where the pointers of its messages must be valid: remote is memory there.
std::optional<std::pair<HWND, std::string>> ToolOf(HANDLE process, char* remote, HWND tooltip, int index)
{
    constexpr SIZE_T kTextOffset = 1024, kTextBytes = 1024;
    TTTOOLINFOW info = {};
    info.cbSize = sizeof info;
    info.lpszText = reinterpret_cast<LPWSTR>(remote + kTextOffset);
    wchar_t text[kTextBytes / sizeof(wchar_t)] = {};
    WriteProcessMemory(process, remote, &info, sizeof info, nullptr);
    WriteProcessMemory(process, remote + kTextOffset, text, sizeof text, nullptr);
    if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, index, reinterpret_cast<LPARAM>(remote)))
        return std::nullopt;
    ReadProcessMemory(process, remote, &info, sizeof info, nullptr);
    ReadProcessMemory(process, remote + kTextOffset, text, sizeof text - sizeof(wchar_t), nullptr);
    char ansi[kTextBytes] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
    return std::make_pair(reinterpret_cast<HWND>(info.uId), std::string(ansi));
}

std::map<HWND, std::string> TipsOf(HWND tray)
{
    std::map<HWND, std::string> tips;
    const DWORD trayId = ProcessOf(tray);
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, trayId));
    void* remote = process ? VirtualAllocEx(process.get(), nullptr, 2048, MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!remote)
        return tips;
    for (HWND tooltip : TopLevelWindowsOf(trayId, TOOLTIPS_CLASSA)) {
        for (int i = 0, count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0)); i < count; ++i) {
            if (const auto tool = ToolOf(process.get(), static_cast<char*>(remote), tooltip, i))
                tips[tool->first] = tool->second;
        }
    }
    VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
    return tips;
}

}  // namespace

std::vector<TrayIcon> HalcyraIcons()
{
    std::vector<TrayIcon> icons;
    const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    if (!tray)
        return icons;
    const auto tips = TipsOf(tray);
    for (HWND child = FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr); child;
         child = FindWindowExA(tray, child, "__winex11_tray_icon", nullptr)) {
        const auto tip = tips.find(child);
        if (tip != tips.end() && tip->second.starts_with("Halcyra"))
            icons.push_back({child, tip->second});
    }
    return icons;
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
            const auto icons = HalcyraIcons();
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
            const auto icons = HalcyraIcons();
            return icons.size() == 1 && icons.front().tip == tip;
        },
        timeoutMs);
}

void RemoveTrayIcon(HWND owner, UINT id)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = id;
    Shell_NotifyIconA(NIM_DELETE, &data);
}
