#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "flash/FlashPlan.h"

// The smallest size a long text is stepped down to.
inline constexpr int32_t kSmallestPoints = 6;

// A text measured in one font, as the system draws it.
class TextMetrics {
public:
    // How far the text reaches after each of its units, drawn as one line from its start.
    virtual std::vector<int32_t> Extents(std::u16string_view text) = 0;
    virtual int32_t Width(std::u16string_view run) = 0;
    virtual int32_t LineHeight() = 0;

protected:
    ~TextMetrics() = default;
};

// The metrics of the flash's font at a size in points.
using MetricsAt = std::function<TextMetrics&(int32_t points)>;

// How a flash's text is drawn: at which size, in which lines, in a window how large.
struct TextLayout {
    int32_t points = 0;
    std::vector<std::u16string> lines;  // one: drawn as it is; more: centred under one another
    FlashSize window;

    bool operator==(const TextLayout&) const = default;
};

// A text that fits within bounds on one line stays one line at its size. A wider one is
// broken at spaces into lines that fit, a word wider than the bounds where it must; while
// the lines are taller than the bounds, the size steps down a point at a time, never below
// kSmallestPoints.
TextLayout LayOutText(std::u16string_view text, int32_t points, const FlashSize& bounds, const MetricsAt& metricsAt);
