#include "dialog/Preview.h"

#include "settings/Random.h"
#include "settings/ReadNumber.h"
#include "settings/SettingsFields.h"

#include <cmath>

namespace {

std::string PreviewText(std::span<const std::string> messages, std::optional<std::size_t> selected)
{
    if (selected && *selected < messages.size())
        return messages[*selected];
    if (messages.empty())
        return "Preview message";
    // A float times a count below 2^29 is exact in a double, and stays below the count.
    const double r = NextRandomFraction();
    return messages[static_cast<std::size_t>(std::floor(static_cast<double>(messages.size()) * r))];
}

}  // namespace

PreviewValues PlanPreview(const PreviewControls& c)
{
    PreviewValues v;
    v.sText = PreviewText(c.messages, c.selected);
    constexpr Range sizes = RangeOf(&Settings::FontSizeMin);
    constexpr Range durations = RangeOf(&Settings::DurationMs);
    const int32_t sizeMin = ClampLong(ReadNumber(c.sizeMinText), sizes.lo, sizes.hi);
    const int32_t sizeMax = ClampLong(ReadNumber(c.sizeMaxText), sizes.lo, sizes.hi);
    v.lSize = RandInt(sizeMin, sizeMax);
    v.lDurationMs = ClampLong(ReadNumber(c.durationText), durations.lo, durations.hi);
    v.lColor = c.randomColor ? RandomTextColor() : c.color;
    v.sFont = c.fontName;
    v.bBold = c.bold;
    v.lOpacity = c.opacity;
    v.bAllMonitors = c.allMonitors;
    return v;
}
