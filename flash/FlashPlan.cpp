#include "flash/FlashPlan.h"

#include "platform/Utf.h"
#include "settings/Random.h"
#include "settings/SettingsFields.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t BoldWeight = 700;
constexpr int32_t NormalWeight = 400;
constexpr int32_t Margin = 4;
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
    return {ToInt32(int64_t{cx} + 2 * Margin), ToInt32(int64_t{cy} + 2 * Margin)};
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
