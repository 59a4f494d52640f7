#include "flash/FlashPlan.h"
#include "flash/TextLayout.h"

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

TEST(FlashPlan, TextOnAMonitorOfAnotherDpiIsMadeForItAndKeptInsideItWithoutAnotherDraw)
{
    // The primary at 96 dots per inch, and to its right a taller one at 144.
    const MonitorArea monitors[] = {{{0, 0, 1920, 1080}, 96}, {{1920, 0, 2560, 1440}, 144}};
    const FlashArea desktop{0, 0, 4480, 1440};
    std::vector<std::pair<int32_t, FlashSize>> laidOut;  // each layout's DPI and bounds
    const LayoutAtDpi layout = [&](int32_t dpi, const FlashSize& bounds) -> std::optional<FlashSize> {
        laidOut.emplace_back(dpi, bounds);
        return FlashSize{400 * dpi / 96, 60 * dpi / 96};
    };
    // Spans 4080 and 1380: 0.99 lands at x 4040 on the second monitor, 0.5 at y 690; made for
    // 144 there, 600 wide, it is moved left to end at that monitor's right edge.
    const ScriptedRandom draws{0.99f, 0.5f, 0.1f, 0.5f, 0.01f, 0.99f};
    EXPECT_EQ(PlaceOnMonitors(desktop, monitors, 96, layout), (FlashPlacement{{4480 - 600, 690}, {600, 90}, 144}));
    using Laid = std::vector<std::pair<int32_t, FlashSize>>;
    EXPECT_EQ(laidOut, (Laid{{96, {4480, 1440}}, {144, {2560, 1440}}}));
    // On the primary, as it was drawn; below it, where no monitor is, the nearest one decides.
    EXPECT_EQ(PlaceOnMonitors(desktop, monitors, 96, layout), (FlashPlacement{{408, 690}, {400, 60}, 96}));
    EXPECT_EQ(PlaceOnMonitors(desktop, monitors, 96, layout), (FlashPlacement{{40, 1367}, {400, 60}, 96}));
    // Without a font there is nothing to place, and nothing is drawn.
    EXPECT_EQ(PlaceOnMonitors(desktop, monitors, 96, [](int32_t, const FlashSize&) { return std::nullopt; }),
              std::nullopt);
}

// A font whose every unit is as wide as its size in points, and whose lines are twice as tall.
struct EvenMetrics final : TextMetrics {
    std::vector<int32_t> Extents(std::u16string_view text) override
    {
        std::vector<int32_t> extents(text.size());
        for (std::size_t i = 0; i < extents.size(); ++i)
            extents[i] = static_cast<int32_t>(i + 1) * points;
        return extents;
    }
    int32_t Width(std::u16string_view run) override { return static_cast<int32_t>(run.size()) * points; }
    int32_t LineHeight() override { return 2 * points; }
    int32_t points = 0;
};

TEST(TextLayout, OneLineAsItIsElseBrokenAtSpacesOrInsideAWordTooLongAndSmallerUntilTheLinesFitButNotBelowSix)
{
    EvenMetrics metrics;
    const MetricsAt at = [&](int32_t points) -> TextMetrics& {
        metrics.points = points;
        return metrics;
    };
    const auto xs = [](std::size_t count) { return std::u16string(count, u'x'); };
    using Lines = std::vector<std::u16string>;
    // Bounds with room for 200 x 100 pixels inside the margins: 20 units a line at 10 points, 5 lines.
    const struct { std::u16string text; TextLayout layout; } cases[] = {
        {u"Exactly twenty units", {10, {u"Exactly twenty units"}, {208, 28}}},
        {u"  Breathe in,  breathe out, and smile  ", {10, {u"Breathe in,  breathe", u"out, and smile"}, {208, 48}}},
        {u"ab " + xs(45), {10, {u"ab", xs(20), xs(20), xs(5)}, {208, 88}}},
        {xs(19) + u"\U0001F600", {10, {xs(19), u"\U0001F600"}, {198, 48}}},
        // Six lines at 10 points, six at 9, five at 8; and at 6, however many it takes.
        {xs(120), {8, {xs(25), xs(25), xs(25), xs(25), xs(20)}, {208, 88}}},
        {xs(400), {6, [&] { Lines lines(12, xs(33)); lines.push_back(xs(4)); return lines; }(), {206, 164}}}};
    for (const auto& c : cases)
        EXPECT_EQ(LayOutText(c.text, 10, {208, 108}, at), c.layout) << c.text.size();
}
