#include "flash/FlashPlan.h"

#include "settings/tests/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

TEST(FlashFont, HeightTruncatesTowardZeroAndSaturates)
{
    EXPECT_EQ(DescribeFlashFont("Arial", 6, true, 96).Height, -8);
    EXPECT_EQ(DescribeFlashFont("Arial", 28, true, 96).Height, -37);
    EXPECT_EQ(DescribeFlashFont("Arial", 48, true, 96).Height, -64);
    EXPECT_EQ(DescribeFlashFont("Arial", 400, true, 96).Height, -533);
    EXPECT_EQ(DescribeFlashFont("Arial", 28, true, 120).Height, -46);
    EXPECT_EQ(DescribeFlashFont("Arial", INT_MAX, false, 96).Height, INT_MIN);
}

TEST(FlashFont, WeightCharsetAndQuality)
{
    const FlashFont bold = DescribeFlashFont("Arial", 28, true, 96);
    const FlashFont normal = DescribeFlashFont("Arial", 28, false, 96);
    EXPECT_EQ(bold.Weight, 700);
    EXPECT_EQ(normal.Weight, 400);
    for (const FlashFont& font : {bold, normal}) {
        EXPECT_EQ(font.CharSet, 1);
        EXPECT_EQ(font.Quality, 3);
    }
}

TEST(FlashFont, FaceNameKeepsAtMostThirtyOneBytesAndZeroFillsTheRest)
{
    const auto faceOf = [](const std::string& name) { return DescribeFlashFont(name, 28, true, 96).FaceName; };
    std::array<char, 32> expected{'A', 'r', 'i', 'a', 'l'};
    EXPECT_EQ(faceOf("Arial"), expected);
    EXPECT_EQ(faceOf(""), (std::array<char, 32>{}));

    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    for (const std::string& name : {forty.substr(0, 31), forty}) {
        const std::array<char, 32> face = faceOf(name);
        EXPECT_EQ(std::string(face.data()), forty.substr(0, 31));
        EXPECT_EQ(face[31], 0);
    }
}

TEST(FlashColourAndAlpha, OnlyTheExactKeyIsReplacedAndOpacityIsClamped)
{
    EXPECT_EQ(FlashTextColor(0xFF00FF), 0xFF00FE);
    for (int32_t unchanged : {0xFF00FE, 0xFFFFFF, 0, 0x01FF00FF, 0xFE00FF})
        EXPECT_EQ(FlashTextColor(unchanged), unchanged);

    const std::pair<int32_t, int32_t> alphas[] = {{INT_MIN, 10}, {0, 10},     {9, 10},      {10, 10},
                                                  {230, 230},    {255, 255}, {300, 255}, {INT_MAX, 255}};
    for (const auto& [opacity, alpha] : alphas)
        EXPECT_EQ(FlashAlpha(opacity), alpha) << opacity;
}

TEST(FlashWindowSize, AddsAFourPixelMarginOnEverySide)
{
    EXPECT_EQ(FlashWindowSize(100, 37), (FlashSize{108, 45}));
    EXPECT_EQ(FlashWindowSize(0, 0), (FlashSize{8, 8}));
    EXPECT_EQ(FlashWindowSize(INT_MAX, INT_MAX - 3), (FlashSize{INT_MAX, INT_MAX}));
}

TEST(FlashArea, QueriesTheVirtualScreenInOrderOrThePrimaryScreen)
{
    std::vector<int32_t> asked;
    const SystemMetric metric = [&](int32_t index) {
        asked.push_back(index);
        const std::pair<int32_t, int32_t> answers[] = {{76, -1920}, {77, -200}, {78, 3200}, {79, 1480}, {0, 1280}, {1, 1024}};
        for (const auto& [key, answer] : answers)
            if (key == index)
                return answer;
        return -1;
    };
    EXPECT_EQ(FlashAreaFromMetrics(true, metric), (FlashArea{-1920, -200, 3200, 1480}));
    EXPECT_EQ(asked, (std::vector<int32_t>{76, 77, 78, 79}));
    asked.clear();
    EXPECT_EQ(FlashAreaFromMetrics(false, metric), (FlashArea{0, 0, 1280, 1024}));
    EXPECT_EQ(asked, (std::vector<int32_t>{0, 1}));
}

TEST(PlaceFlash, DrawsXThenYWithinTheSpans)
{
    const ScriptedRandom draws{0.5f, 0.25f};
    // Spans 1172 and 979: RandInt(0, 1172) at 0.5 gives 586, RandInt(0, 979) at 0.25 gives 245.
    EXPECT_EQ(PlaceFlash({-1920, -200, 1280, 1024}, {108, 45}), (FlashPoint{-1920 + 586, -200 + 245}));
    EXPECT_EQ(draws.DrawsTaken(), 2u);
}

TEST(PlaceFlash, AFittingWindowMayTouchTheRightAndBottomEdges)
{
    const ScriptedRandom draws{0.99999994f, 0.99999994f};
    EXPECT_EQ(PlaceFlash({10, 20, 1280, 1024}, {108, 45}), (FlashPoint{10 + 1280 - 108, 20 + 1024 - 45}));
}

TEST(PlaceFlash, AnOversizeAxisStartsAtTheEdgeAndStillConsumesItsDraw)
{
    const ScriptedRandom draws{0.9f, 0.5f, 0.5f, 0.9f};
    EXPECT_EQ(PlaceFlash({-1920, -200, 3200, 1480}, {4000, 45}), (FlashPoint{-1920, -200 + 718}));
    EXPECT_EQ(PlaceFlash({0, 0, 1280, 1024}, {108, 2000}), (FlashPoint{586, 0}));
    EXPECT_EQ(draws.DrawsTaken(), 4u);
}
