#include "flash/FlashPlan.h"

#include "platform/Utf.h"
#include "settings/Random.h"
#include "settings/SettingsFields.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t BoldWeight = 700;
constexpr int32_t NormalWeight = 400;
constexpr std::size_t FaceNameLimit = 31;  // the 32nd unit stays the terminator

constexpr int32_t SmXVirtualScreen = 76;
constexpr int32_t SmYVirtualScreen = 77;
constexpr int32_t SmCxVirtualScreen = 78;
constexpr int32_t SmCyVirtualScreen = 79;
constexpr int32_t SmCxScreen = 0;
constexpr int32_t SmCyScreen = 1;

// Saturates instead of wrapping: an absurd size or extent must not turn into a small one.
int32_t ToInt32(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t RandomOffset(int32_t areaLength, int32_t windowLength)
{
    const int64_t span = std::max<int64_t>(int64_t{areaLength} - windowLength, 0);
    return RandInt(0, static_cast<int32_t>(span));
}

// How far a point lies outside an area, squared; 0 inside.
int64_t DistanceSquared(const FlashArea& a, const FlashPoint& p)
{
    const int64_t dx = std::max<int64_t>({int64_t{a.X} - p.X, int64_t{p.X} - (int64_t{a.X} + a.Width - 1), 0});
    const int64_t dy = std::max<int64_t>({int64_t{a.Y} - p.Y, int64_t{p.Y} - (int64_t{a.Y} + a.Height - 1), 0});
    return dx * dx + dy * dy;
}

// The monitor that holds a point, or the nearest one where the point falls between monitors.
const MonitorArea* MonitorAt(std::span<const MonitorArea> monitors, const FlashPoint& p)
{
    const auto nearest = std::min_element(monitors.begin(), monitors.end(), [&](const auto& a, const auto& b) {
        return DistanceSquared(a.Area, p) < DistanceSquared(b.Area, p);
    });
    return nearest == monitors.end() ? nullptr : &*nearest;
}

// Moved into the area as little as it takes; a window larger than the area starts at its edge.
int32_t KeepInside(int32_t at, int32_t length, int32_t areaStart, int32_t areaLength)
{
    const int64_t last = std::max<int64_t>(int64_t{areaStart} + areaLength - length, areaStart);
    return static_cast<int32_t>(std::clamp<int64_t>(at, areaStart, last));
}

}  // namespace

FlashFont DescribeFlashFont(const std::string& sFont, int32_t lSize, bool bBold, int32_t logPixelsY)
{
    FlashFont font;
    // Whole-number division truncates toward zero: 28 pt at 96 dpi is 37 pixels, not 38.
    font.Height = ToInt32(-(int64_t{lSize} * logPixelsY / 72));
    font.Weight = bBold ? BoldWeight : NormalWeight;
    const std::u16string face = Utf16FromUtf8(CutToUtf16Units(sFont, FaceNameLimit));
    std::copy(face.begin(), face.end(), font.FaceName.begin());
    return font;
}

int32_t FlashTextColor(int32_t lColor)
{
    return lColor == TransparentKey ? 0xFF00FE : lColor;
}

int32_t FlashAlpha(int32_t lOpacity)
{
    constexpr Range alphas = RangeOf(&Settings::Opacity);
    return std::clamp(lOpacity, alphas.lo, alphas.hi);
}

uint32_t CaptureAffinity(bool hideFromCapture)
{
    return hideFromCapture ? AffinityExcludeFromCapture : AffinityNone;
}

FlashSize FlashWindowSize(int32_t cx, int32_t cy)
{
    return {ToInt32(int64_t{cx} + 2 * kFlashMargin), ToInt32(int64_t{cy} + 2 * kFlashMargin)};
}

FlashArea FlashAreaFromMetrics(bool bAllMonitors, const SystemMetric& metric)
{
    if (!bAllMonitors)
        return {0, 0, metric(SmCxScreen), metric(SmCyScreen)};
    FlashArea area;
    area.X = metric(SmXVirtualScreen);
    area.Y = metric(SmYVirtualScreen);
    area.Width = metric(SmCxVirtualScreen);
    area.Height = metric(SmCyVirtualScreen);
    return area;
}

FlashPoint PlaceFlash(const FlashArea& area, const FlashSize& size)
{
    FlashPoint at;
    at.X = area.X + RandomOffset(area.Width, size.Width);
    at.Y = area.Y + RandomOffset(area.Height, size.Height);
    return at;
}

std::optional<FlashPlacement> PlaceOnMonitors(const FlashArea& area, std::span<const MonitorArea> monitors,
                                              int32_t firstDpi, const LayoutAtDpi& layout)
{
    const std::optional<FlashSize> first = layout(firstDpi, {area.Width, area.Height});
    if (!first)
        return std::nullopt;
    const FlashPoint at = PlaceFlash(area, *first);
    const MonitorArea* monitor = MonitorAt(monitors, at);
    if (!monitor || monitor->Dpi == firstDpi)
        return FlashPlacement{at, *first, firstDpi};
    const FlashArea& m = monitor->Area;
    const std::optional<FlashSize> size = layout(monitor->Dpi, {m.Width, m.Height});
    if (!size)
        return std::nullopt;
    return FlashPlacement{{KeepInside(at.X, size->Width, m.X, m.Width), KeepInside(at.Y, size->Height, m.Y, m.Height)},
                          *size, monitor->Dpi};
}
