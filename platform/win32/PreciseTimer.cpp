#include "platform/win32/PreciseTimer.h"

#include "platform/win32/QpcClock.h"

#include <algorithm>

namespace {

// Windows 10 version 1803 and later; missing from older headers.
constexpr DWORD kHighResolutionTimer = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION

}  // namespace

PreciseTimer::PreciseTimer(HWND window, UINT message, CreateTimer create) : window_(window), message_(message)
{
    timer_.reset(create(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS));
    if (!timer_) {
        highResolution_ = false;
        timer_.reset(create(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
    }
    stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (timer_ && stop_)
        thread_.reset(CreateThread(nullptr, 0, &Run, this, 0, nullptr));
}

PreciseTimer::~PreciseTimer()
{
    if (thread_) {
        SetEvent(stop_.get());
        WaitForSingleObject(thread_.get(), INFINITE);
    }
}

void PreciseTimer::At(std::chrono::nanoseconds moment)
{
    if (!highResolution_ && !resolution_)
        resolution_ = RequestTimerResolution(1);
    // Relative, in units of 100 ns; a moment already past fires at once.
    const auto wait = std::chrono::duration_cast<std::chrono::duration<int64_t, std::ratio<1, 10'000'000>>>(
        moment - QpcNow());
    LARGE_INTEGER due{};
    due.QuadPart = -std::max<int64_t>(wait.count(), 1);
    SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE);
}

void PreciseTimer::Cancel()
{
    CancelWaitableTimer(timer_.get());
    resolution_.reset();
}

DWORD WINAPI PreciseTimer::Run(void* self)
{
    const auto& timer = *static_cast<const PreciseTimer*>(self);
    const HANDLE handles[] = {timer.stop_.get(), timer.timer_.get()};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1)
        PostMessageW(timer.window_, timer.message_, 0, 0);
    return 0;
}
