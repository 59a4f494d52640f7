#include "platform/win32/QpcClock.h"

#include <windows.h>

namespace {

int64_t CountsPerSecond()
{
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

}  // namespace

std::chrono::nanoseconds QpcNow()
{
    LARGE_INTEGER counts{};
    QueryPerformanceCounter(&counts);
    return FromQpc(counts.QuadPart);
}

// In two parts, so that a counter that has run for years does not overflow on the way.
std::chrono::nanoseconds FromQpc(int64_t counts)
{
    static const int64_t perSecond = CountsPerSecond();
    constexpr int64_t kNanosecondsPerSecond = 1'000'000'000;
    return std::chrono::nanoseconds(counts / perSecond * kNanosecondsPerSecond +
                                    counts % perSecond * kNanosecondsPerSecond / perSecond);
}
