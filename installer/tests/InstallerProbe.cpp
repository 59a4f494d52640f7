// What the installer test cannot see from the Unix side of Wine: whether the program's hidden
// main window exists, and when a Windows process of a given name has ended.
//   installer_probe window-appears TIMEOUT_MS      exit 0 once the window exists
//   installer_probe process-ends EXE_NAME TIMEOUT_MS  exit 0 once no such process is left
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/Handles.h"

namespace {

bool MainWindowExists()
{
    return FindWindowA("HalcyraMain", "Halcyra") != nullptr;
}

bool WindowAppears(DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!MainWindowExists()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
    return true;
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "window-appears") == 0)
        return WindowAppears(std::strtoul(argv[2], nullptr, 10)) ? 0 : 1;
    if (argc == 4 && std::strcmp(argv[1], "process-ends") == 0)
        return ProcessesEnd(argv[2], std::strtoul(argv[3], nullptr, 10)) ? 0 : 1;
    std::fprintf(stderr, "usage: installer_probe window-appears MS | process-ends EXE_NAME MS\n");
    return 2;
}
