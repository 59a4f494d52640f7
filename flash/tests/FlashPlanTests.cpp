#include "flash/FlashPlan.h"

#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <map>
#include <string>
#include <tuple>

TEST(FlashFont, HeightTruncatesTowardZeroAndSaturatesAndBoldSetsTheWeight)
{
    const struct { int32_t points, dpi, height; } cases[] = {
        {6, 96, -8}, {28, 96, -37}, {48, 96, -64}, {400, 96, -533}, {28, 120, -46}, {INT_MAX, 96, INT_MIN}};
    for (const auto& c : cases)
        EXPECT_EQ(DescribeFlashFont("Arial", c.points, true, c.dpi).Height, c.height) << c.points << " at " << c.dpi;
    const FlashFont bold = DescribeFlashFont("Arial", 28, true, 96);
    const FlashFont normal = DescribeFlashFont("Arial", 28, false, 96);
    EXPECT_EQ(std::tuple(bold.Weight, normal.Weight, normal.CharSet, normal.Quality), std::tuple(700, 400, 1, 3));
}

TEST(FlashFont, FaceNameKeepsAtMostThirtyOneWholeUtf16UnitsAndZeroFillsTheRest)
{
    const auto faceOf = [](const std::string& name) {
        const auto face = DescribeFlashFont(name, 28, true, 96).FaceName;
        EXPECT_EQ(face[31], 0);
        return std::u16string(face.data());
    };
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    EXPECT_EQ(faceOf("Arial"), u"Arial");
    EXPECT_EQ(faceOf(forty.substr(0, 31)), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    EXPECT_EQ(faceOf(forty), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    EXPECT_EQ(faceOf("\xD0\x9C\xD0\xBE\xD0\xB9 Font"), u"\u041C\u043E\u0439 Font");
    // A character beyond the 31st unit's edge is left out whole, never cut in half.
    EXPECT_EQ(faceOf(forty.substr(0, 30) + "\xF0\x9F\x98\x80"), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
}

TEST(FlashLook, OnlyTheExactKeyColourIsReplacedOpacityIsClampedAndTheWindowHasAFourPixelMargin)
{
    EXPECT_EQ(FlashTextColor(0xFF00FF), 0xFF00FE);
    for (int32_t unchanged : {0xFF00FE, 0xFFFFFF, 0, 0x01FF00FF, 0xFE00FF})
        EXPECT_EQ(FlashTextColor(unchanged), unchanged);
    const std::pair<int32_t, int32_t> alphas[] = {{INT_MIN, 10}, {9, 10}, {10, 10}, {230, 230}, {255, 255}, {300, 255}};
    for (const auto& [opacity, alpha] : alphas)
        EXPECT_EQ(FlashAlpha(opacity), alpha) << opacity;
    EXPECT_EQ(FlashWindowSize(100, 37), (FlashSize{108, 45}));
    EXPECT_EQ(std::pair(CaptureAffinity(true), CaptureAffinity(false)), std::pair(0x11u, 0u));
    EXPECT_EQ(FlashWindowSize(INT_MAX, INT_MAX - 3), (FlashSize{INT_MAX, INT_MAX}));
}

TEST(FlashArea, IsTheVirtualScreenOrThePrimaryScreen)
{
    const SystemMetric metric = [](int32_t index) {
        const std::map<int32_t, int32_t> answers{{76, -1920}, {77, -200}, {78, 3200}, {79, 1480}, {0, 1280}, {1, 1024}};
        return answers.at(index);
    };
    EXPECT_EQ(FlashAreaFromMetrics(true, metric), (FlashArea{-1920, -200, 3200, 1480}));
    EXPECT_EQ(FlashAreaFromMetrics(false, metric), (FlashArea{0, 0, 1280, 1024}));
}

TEST(PlaceFlash, DrawsXThenYWithinTheSpansAndAnOversizeAxisStartsAtTheEdgeButStillDraws)
{
    const ScriptedRandom draws{0.5f, 0.25f, 0.99999994f, 0.99999994f, 0.9f, 0.5f, 0.5f, 0.9f};
    // Spans 1172 and 979: RandInt(0, 1172) at 0.5 gives 586, RandInt(0, 979) at 0.25 gives 245.
    EXPECT_EQ(PlaceFlash({-1920, -200, 1280, 1024}, {108, 45}), (FlashPoint{-1920 + 586, -200 + 245}));
    // A fitting window may touch the right and bottom edges.
    EXPECT_EQ(PlaceFlash({10, 20, 1280, 1024}, {108, 45}), (FlashPoint{10 + 1280 - 108, 20 + 1024 - 45}));
    EXPECT_EQ(PlaceFlash({-1920, -200, 3200, 1480}, {4000, 45}), (FlashPoint{-1920, -200 + 718}));
    EXPECT_EQ(PlaceFlash({0, 0, 1280, 1024}, {108, 2000}), (FlashPoint{586, 0}));
    EXPECT_EQ(draws.DrawsTaken(), 8u);
}
