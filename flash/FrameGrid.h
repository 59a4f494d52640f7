#pragma once
#include <chrono>
#include <cstdint>
#include <optional>

// Moments on the program's monotonic clock, and spans of it.
using Nanoseconds = std::chrono::nanoseconds;

// The desktop's composition: one frame every period. A window is seen in whole frames, and
// not at all when it is shown and hidden again between two vertical blanks.
struct FrameGrid {
    Nanoseconds period{};
    std::optional<Nanoseconds> blank;  // a vertical blank, where the system says where they fall

    bool operator==(const FrameGrid&) const = default;
};

// The grid of a display that reports only its refresh rate: no phase. A rate of 0 or 1 Hz
// is no real display and counts as 60 Hz.
FrameGrid GridOfRefreshRate(uint32_t hz);

// A flash of durationMs lasts this many frames: the nearest whole number, halves up, and
// never none.
int32_t FramesFor(int32_t durationMs, Nanoseconds period);

// The refresh rate as the user knows it, to the nearest hertz.
int32_t RefreshRateHz(Nanoseconds period);

// When a flash is shown, and how long it stays in whole frames.
struct FrameTiming {
    Nanoseconds show{};
    Nanoseconds period{};
    int32_t frames = 1;

    // The moment to hide it, given when it was actually shown: the same point of a later
    // frame, frames periods after the frame it appeared in, however late the showing was.
    Nanoseconds HideAfterShowingAt(Nanoseconds shownAt) const;

    bool operator==(const FrameTiming&) const = default;
};

// Shown in the middle of a frame, half a period after a vertical blank, where no composition
// is near: the first such moment from now on. Where the grid has no phase, at once.
FrameTiming PlanFrames(const FrameGrid& grid, Nanoseconds now, int32_t durationMs);
