#include "flash/FrameGrid.h"

#include <algorithm>

namespace {

constexpr uint32_t kFallbackRefreshHz = 60;
constexpr Nanoseconds kSecond = std::chrono::seconds(1);

// Rounds a non-negative quotient to the nearest whole number, halves up.
int64_t RoundedQuotient(int64_t dividend, int64_t divisor)
{
    return (2 * dividend + divisor) / (2 * divisor);
}

// The smallest k with origin + k * period >= now.
int64_t PeriodsUntil(Nanoseconds origin, Nanoseconds now, Nanoseconds period)
{
    const int64_t behind = (now - origin).count();
    return behind > 0 ? (behind + period.count() - 1) / period.count() : -(-behind / period.count());
}

}  // namespace

FrameGrid GridOfRefreshRate(uint32_t hz)
{
    return {kSecond / (hz > 1 ? hz : kFallbackRefreshHz), std::nullopt};
}

int32_t FramesFor(int32_t durationMs, Nanoseconds period)
{
    const Nanoseconds duration = std::chrono::milliseconds(std::max(durationMs, 0));
    return static_cast<int32_t>(std::max<int64_t>(RoundedQuotient(duration.count(), period.count()), 1));
}

int32_t RefreshRateHz(Nanoseconds period)
{
    return static_cast<int32_t>(RoundedQuotient(kSecond.count(), period.count()));
}

Nanoseconds FrameTiming::HideAfterShowingAt(Nanoseconds shownAt) const
{
    const int64_t framesLate = RoundedQuotient(std::max(shownAt - show, Nanoseconds{}).count(), period.count());
    return show + (framesLate + frames) * period;
}

FrameTiming PlanFrames(const FrameGrid& grid, Nanoseconds now, int32_t durationMs)
{
    FrameTiming timing{now, grid.period, FramesFor(durationMs, grid.period)};
    if (grid.blank) {
        const Nanoseconds middle = *grid.blank + grid.period / 2;
        timing.show = middle + PeriodsUntil(middle, now, grid.period) * grid.period;
    }
    return timing;
}
