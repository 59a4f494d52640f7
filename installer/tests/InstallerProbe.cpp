// What the installer test cannot see from the Unix side of Wine: whether the program's hidden
// main window exists. Exits with 0 once it does, with 1 when TIMEOUT_MS have passed first.
//   installer_probe TIMEOUT_MS
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    const ULONGLONG deadline = GetTickCount64() + (argc == 2 ? std::strtoul(argv[1], nullptr, 10) : 0);
    while (!FindWindowA("HalcyraMain", "Halcyra")) {
        if (GetTickCount64() >= deadline)
            return 1;
        Sleep(50);
    }
    return 0;
}
