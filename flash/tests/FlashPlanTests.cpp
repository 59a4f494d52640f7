#include "flash/FlashPlan.h"

#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

TEST(FlashPlan, HeightTruncatesFaceKeeps31WholeUnitsKeyColourReplacedAlphaClampedAreaAskedAndPlacedXThenY)
{
    const struct { std::string name; int32_t pt, dpi; bool bold; int32_t px, weight; std::u16string face; } cases[] = {
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd", 28, 96, true, -37, 700, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"},
        {"\xD0\x9C\xD0\xBE\xD0\xB9 Font", 28, 120, false, -46, 400, u"\u041C\u043E\u0439 Font"},
        // A character beyond the 31st unit's edge is left out whole, never cut in half.
        {std::string(30, 'x') + "\xF0\x9F\x98\x80", INT32_MAX, 96, true, INT32_MIN, 700, std::u16string(30, u'x')}};
    for (const auto& c : cases) {
        const FlashFont font = DescribeFlashFont(c.name, c.pt, c.bold, c.dpi);
        EXPECT_EQ(std::tuple(font.Height, font.Weight, std::u16string(font.FaceName.data()), font.FaceName[31]),
                  std::tuple(c.px, c.weight, c.face, u'\0'));
    }
    // DEFAULT_CHARSET lets the system link in fonts for scripts the face lacks; NONANTIALIASED_QUALITY
    // leaves no blended edge to show the colour key as a pink fringe.
    const FlashFont font = DescribeFlashFont("Arial", 28, true, 96);
    EXPECT_EQ(std::pair(+font.CharSet, +font.Quality), std::pair(1, 3));
    // Only the exact key colour is replaced; the alpha is clamped; the window has a 4-pixel margin.
    EXPECT_EQ(std::pair(FlashTextColor(0xFF00FF), FlashTextColor(0x01FF00FF)), std::pair(0xFF00FE, 0x01FF00FF));
    for (const auto& [opacity, alpha] : {std::pair(9, 10), {10, 10}, {255, 255}, {256, 255}})
        EXPECT_EQ(FlashAlpha(opacity), alpha) << opacity;
    EXPECT_EQ(FlashWindowSize(100, 37), (FlashSize{108, 45}));
    EXPECT_EQ(FlashWindowSize(INT32_MAX, INT32_MAX - 3), (FlashSize{INT32_MAX, INT32_MAX}));
    // All monitors' bounding box, or the primary screen.
    const SystemMetric metric = [](int32_t index) { return index == 0 ? 1280 : index == 1 ? 1024 : index * 100; };
    EXPECT_EQ(FlashAreaFromMetrics(true, metric), (FlashArea{7600, 7700, 7800, 7900}));
    EXPECT_EQ(FlashAreaFromMetrics(false, metric), (FlashArea{0, 0, 1280, 1024}));
    // Placed x then y within the spans; an oversize axis starts at the edge but still draws.
    const ScriptedRandom draws{0.5f, 0.25f, 0.99999994f, 0.99999994f, 0.9f, 0.5f};
    // Spans 1172 and 979: RandInt(0, 1172) at 0.5 gives 586, RandInt(0, 979) at 0.25 gives 245.
    EXPECT_EQ(PlaceFlash({-1920, -200, 1280, 1024}, {108, 45}), (FlashPoint{-1920 + 586, -200 + 245}));
    // A fitting window may touch the right and bottom edges.
    EXPECT_EQ(PlaceFlash({10, 20, 1280, 1024}, {108, 45}), (FlashPoint{10 + 1280 - 108, 20 + 1024 - 45}));
    EXPECT_EQ(PlaceFlash({-1920, -200, 3200, 1480}, {4000, 45}), (FlashPoint{-1920, -200 + 718}));
}
