#pragma once
#include <windows.h>

// Polls cond every 10 ms until it holds or timeoutMs have passed; returns whether it held.
// Messages queued for the driver's own thread are drained meanwhile, so that nothing
// sending to it (a broadcast, a hotkey of its own) waits on a thread that never reads.
template <typename Cond>
bool WaitUntil(Cond cond, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        if (cond())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(10);
    }
}
