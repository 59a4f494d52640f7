// What the installer test cannot see from the Unix side of Wine: whether the program's hidden
// main window exists, whether a page of the uninstaller shows a given control, and when a
// Windows process of a given name has ended, each waiting at most TIMEOUT_MS;
//   installer_probe window-appears TIMEOUT_MS                  exit 0 once the window exists
//   installer_probe control-appears TITLE CLASS TIMEOUT_MS     exit 0 once it is visible in a
//                                                              window whose title starts so
//   installer_probe process-ends EXE_NAME TIMEOUT_MS           exit 0 once none is left
// and what Explorer shows of an exe's version block:
//   installer_probe version PATH      prints the fixed file version and three of its texts
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/Handles.h"

namespace {

template <typename Condition>
bool WaitFor(DWORD timeoutMs, Condition condition)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
    return true;
}

bool MainWindowExists()
{
    return FindWindowA("HalcyraMain", "Halcyra") != nullptr;
}

// The uninstaller's pages add their own caption after its title.
HWND WindowTitled(const char* titleStart)
{
    struct Search {
        const char* titleStart;
        HWND found = nullptr;
    } search{titleStart};
    EnumWindows(
        [](HWND window, LPARAM searchAddress) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(searchAddress);
            char title[256] = {};
            GetWindowTextA(window, title, sizeof title);
            if (std::strncmp(title, search.titleStart, std::strlen(search.titleStart)) == 0)
                search.found = window;
            return search.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ControlSearch {
    const char* className;
    bool found = false;
};

BOOL CALLBACK MatchVisibleControl(HWND control, LPARAM searchAddress)
{
    auto& search = *reinterpret_cast<ControlSearch*>(searchAddress);
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    search.found = _stricmp(name, search.className) == 0 && IsWindowVisible(control);
    return !search.found;
}

bool ControlVisible(const char* windowTitle, const char* className)
{
    const HWND window = WindowTitled(windowTitle);
    ControlSearch search{className};
    if (window)
        EnumChildWindows(window, &MatchVisibleControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<UniqueKernelHandle> ProcessesNamed(const char* exeName)
{
    std::vector<UniqueKernelHandle> found;
    const UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
        if (_stricmp(entry.szExeFile, exeName) != 0)
            continue;
        // One that cannot be opened has ended since the snapshot was taken.
        if (UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID)); process)
            found.push_back(std::move(process));
    }
    return found;
}

bool ProcessesEnd(const char* exeName, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (const auto& process : ProcessesNamed(exeName)) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        if (WaitForSingleObject(process.get(), left) != WAIT_OBJECT_0)
            return false;
    }
    return true;
}

std::string VersionText(const std::vector<char>& block, const char* name)
{
    char* text = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) || length == 0)
        return "(missing)";
    return std::string(text, length - 1);
}

bool PrintVersion(const char* exePath)
{
    std::vector<char> block(GetFileVersionInfoSizeA(exePath, nullptr));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (block.empty() || !GetFileVersionInfoA(exePath, 0, static_cast<DWORD>(block.size()), block.data()) ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length))
        return false;
    std::printf("%d.%d.%d.%d\n%s\n%s\n%s\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS), VersionText(block, "ProductVersion").c_str(),
                VersionText(block, "ProductName").c_str(), VersionText(block, "LegalCopyright").c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "window-appears") == 0)
        return WaitFor(std::strtoul(argv[2], nullptr, 10), MainWindowExists) ? 0 : 1;
    if (argc == 5 && std::strcmp(argv[1], "control-appears") == 0)
        return WaitFor(std::strtoul(argv[4], nullptr, 10), [&] { return ControlVisible(argv[2], argv[3]); }) ? 0 : 1;
    if (argc == 4 && std::strcmp(argv[1], "process-ends") == 0)
        return ProcessesEnd(argv[2], std::strtoul(argv[3], nullptr, 10)) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "version") == 0)
        return PrintVersion(argv[2]) ? 0 : 1;
    std::fprintf(stderr, "usage: installer_probe window-appears MS | control-appears TITLE CLASS MS | "
                         "process-ends EXE_NAME MS | version PATH\n");
    return 2;
}
