#pragma once
#include <windows.h>

#include <chrono>

#include "platform/win32/Handles.h"
#include "platform/win32/TimerResolution.h"

// Posts a message to a window at a moment of the performance counter's clock, to a fraction
// of a millisecond, and also while a menu or a message box runs its own loop, which
// dispatches posted messages but never runs a loop of ours. A thread of its own waits on a
// high-resolution waitable timer; where the system refuses that kind, on a plain one, with the
// system timer's resolution raised to 1 ms only while a moment is pending. The message may
// come a little early or late: its handler looks at the clock.
class PreciseTimer {
public:
    using CreateTimer = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES attributes, LPCWSTR name, DWORD flags, DWORD access);

    PreciseTimer(HWND window, UINT message, CreateTimer create = &CreateWaitableTimerExW);
    ~PreciseTimer();
    PreciseTimer(const PreciseTimer&) = delete;
    PreciseTimer& operator=(const PreciseTimer&) = delete;

    // Replaces any moment set before.
    void At(std::chrono::nanoseconds moment);
    void Cancel();

private:
    static DWORD WINAPI Run(void* self);

    HWND window_;
    UINT message_;
    bool highResolution_ = true;
    UniqueKernelHandle timer_;
    UniqueKernelHandle stop_;
    TimerResolution resolution_;
    UniqueKernelHandle thread_;
};
