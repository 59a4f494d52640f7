#include "flash/FrameGrid.h"

#include <gtest/gtest.h>

using std::chrono::nanoseconds;

namespace {

// The periods of common displays, in whole nanoseconds as the grids of their rates hold them.
constexpr nanoseconds k60Hz{16'666'666}, k5994Hz{16'683'350}, k75Hz{13'333'333}, k120Hz{8'333'333},
    k144Hz{6'944'444}, k240Hz{4'166'666};

}  // namespace

TEST(FrameGrid, AFlashLastsTheNearestWholeNumberOfFramesHalvesUpAndNeverNone)
{
    const struct { int32_t ms; nanoseconds period; int32_t frames, hz; } cases[] = {
        {10, k60Hz, 1, 60},          {100, k60Hz, 6, 60},  {25, k60Hz, 2, 60},    {24, k60Hz, 1, 60},
        {10000, k5994Hz, 599, 60},   {20, k75Hz, 2, 75},   {30, k120Hz, 4, 120},  {100, k144Hz, 14, 144},
        {2, k240Hz, 1, 240},         {0, k60Hz, 1, 60},    {-5, k60Hz, 1, 60},    {INT32_MAX, k240Hz, 515'396'158, 240},
        // Exact halves, at 50 Hz.
        {30, nanoseconds{20'000'000}, 2, 50}, {50, nanoseconds{20'000'000}, 3, 50}};
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(FramesFor(c.ms, c.period), RefreshRateHz(c.period)), std::pair(c.frames, c.hz))
            << c.ms << " ms at " << c.period.count();
    // A rate that tells nothing of a real display counts as 60 Hz.
    for (const uint32_t hz : {0u, 1u})
        EXPECT_EQ(GridOfRefreshRate(hz), (FrameGrid{k60Hz, std::nullopt})) << hz;
    EXPECT_EQ(GridOfRefreshRate(144), (FrameGrid{k144Hz, std::nullopt}));
}

TEST(FrameGrid, ShownHalfAPeriodAfterABlankAndHiddenWholeFramesLaterAtTheSamePointOfTheFrame)
{
    const nanoseconds p{20'000'000};  // 50 Hz, round numbers
    const nanoseconds now{1'000'000'000};
    // The last blank just before now, or one the system reports just after it: the first
    // middle of a frame from now on.
    const struct { nanoseconds blank, show; } cases[] = {
        {now - nanoseconds{1}, now + p / 2 - nanoseconds{1}},
        {now - p / 2, now},
        {now - p / 2 - nanoseconds{1}, now + p - nanoseconds{1}},
        {now + nanoseconds{1}, now + p / 2 + nanoseconds{1}},
        {now - 7 * p - p / 4, now + p / 4}};
    for (const auto& c : cases) {
        const FrameTiming timing = PlanFrames({p, c.blank}, now, 100);
        EXPECT_EQ(timing, (FrameTiming{c.show, p, 5})) << (c.blank - now).count();
        EXPECT_EQ(timing.HideAfterShowingAt(c.show), c.show + 5 * p);
    }
    // Without a phase: at once.
    EXPECT_EQ(PlanFrames({p, std::nullopt}, now, 10), (FrameTiming{now, p, 1}));
    // Shown late, past the next blank, it stays its frames after the frame it appeared in.
    const FrameTiming timing{now, p, 2};
    for (const auto& [late, hide] : {std::pair{p / 2 - nanoseconds{1}, now + 2 * p}, {p / 2, now + 3 * p},
                                     {3 * p, now + 5 * p}})
        EXPECT_EQ(timing.HideAfterShowingAt(now + late), hide) << late.count();
}
