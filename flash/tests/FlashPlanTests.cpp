#include "flash/FlashPlan.h"

#include "settings/tests/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

std::string FaceNameOf(const FlashFont& font)
{
    return std::string(font.FaceName.data());
}

}  // namespace

TEST(FlashFont, HeightTruncatesTowardZero)
{
    EXPECT_EQ(DescribeFlashFont("Arial", 6, true, 96).Height, -8);
    EXPECT_EQ(DescribeFlashFont("Arial", 28, true, 96).Height, -37);
    EXPECT_EQ(DescribeFlashFont("Arial", 48, true, 96).Height, -64);
    EXPECT_EQ(DescribeFlashFont("Arial", 400, true, 96).Height, -533);
    EXPECT_EQ(DescribeFlashFont("Arial", 28, true, 120).Height, -46);
}

TEST(FlashFont, AbsurdSizesSaturateInsteadOfWrapping)
{
    EXPECT_EQ(DescribeFlashFont("Arial", INT_MAX, false, INT_MAX).Height, INT_MIN);
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
    const FlashFont shortName = DescribeFlashFont("Arial", 28, true, 96);
    EXPECT_EQ(FaceNameOf(shortName), "Arial");
    for (std::size_t i = 5; i < 32; ++i)
        EXPECT_EQ(shortName.FaceName[i], 0) << "byte " << i;

    const std::string thirtyOne(31, 'x');
    const FlashFont whole = DescribeFlashFont(thirtyOne, 28, true, 96);
    EXPECT_EQ(FaceNameOf(whole), thirtyOne);
    EXPECT_EQ(whole.FaceName[31], 0);

    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    const FlashFont cut = DescribeFlashFont(forty, 28, true, 96);
    EXPECT_EQ(FaceNameOf(cut), forty.substr(0, 31));
    EXPECT_EQ(cut.FaceName[31], 0);
}

TEST(FlashFont, EmptyFaceNameLeavesEveryByteZero)
{
    EXPECT_EQ(DescribeFlashFont("", 28, true, 96).FaceName, (std::array<char, 32>{}));
}

TEST(FlashFont, FaceNameBytesPassThroughUnchanged)
{
    const std::string ansi = "Caf\xE9 Sans";  // code page 1252 e-acute
    const FlashFont font = DescribeFlashFont(ansi, 28, true, 96);
    EXPECT_EQ(static_cast<unsigned char>(font.FaceName[3]), 0xE9);
    EXPECT_EQ(FaceNameOf(font), ansi);
}

TEST(FlashColour, OnlyTheExactKeyIsReplaced)
{
    EXPECT_EQ(FlashTextColor(0xFF00FF), 0xFF00FE);
    EXPECT_EQ(FlashTextColor(0xFF00FE), 0xFF00FE);
    EXPECT_EQ(FlashTextColor(0xFFFFFF), 0xFFFFFF);
    EXPECT_EQ(FlashTextColor(0), 0);
    EXPECT_EQ(FlashTextColor(0x01FF00FF), 0x01FF00FF);
    EXPECT_EQ(FlashTextColor(0xFE00FF), 0xFE00FF);
}

TEST(FlashAlpha, ClampsIntoTenToTwoFiftyFive)
{
    EXPECT_EQ(FlashAlpha(0), 10);
    EXPECT_EQ(FlashAlpha(9), 10);
    EXPECT_EQ(FlashAlpha(10), 10);
    EXPECT_EQ(FlashAlpha(230), 230);
    EXPECT_EQ(FlashAlpha(255), 255);
    EXPECT_EQ(FlashAlpha(300), 255);
    EXPECT_EQ(FlashAlpha(INT_MIN), 10);
    EXPECT_EQ(FlashAlpha(INT_MAX), 255);
}

TEST(FlashWindowSize, AddsAFourPixelMarginOnEverySide)
{
    EXPECT_EQ(FlashWindowSize(100, 37), (FlashSize{108, 45}));
    EXPECT_EQ(FlashWindowSize(0, 0), (FlashSize{8, 8}));
    EXPECT_EQ(FlashWindowSize(INT_MAX, INT_MAX - 3), (FlashSize{INT_MAX, INT_MAX}));
}

TEST(FlashArea, AllMonitorsQueriesTheVirtualScreenInOrder)
{
    std::vector<int32_t> asked;
    const FlashArea area = FlashAreaFromMetrics(true, [&](int32_t index) {
        asked.push_back(index);
        return index == 76 ? -1920 : index == 77 ? -200 : index == 78 ? 3200 : 1480;
    });
    EXPECT_EQ(asked, (std::vector<int32_t>{76, 77, 78, 79}));
    EXPECT_EQ(area, (FlashArea{-1920, -200, 3200, 1480}));
}

TEST(FlashArea, PrimaryScreenStartsAtTheOrigin)
{
    std::vector<int32_t> asked;
    const FlashArea area = FlashAreaFromMetrics(false, [&](int32_t index) {
        asked.push_back(index);
        return index == 0 ? 1280 : 1024;
    });
    EXPECT_EQ(asked, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(area, (FlashArea{0, 0, 1280, 1024}));
}

TEST(PlaceFlash, DrawsXThenYWithinTheSpans)
{
    const ScriptedRandom draws{0.5f, 0.25f};
    // Spans 1172 and 979: RandInt(0, 1172) at 0.5 gives 586, RandInt(0, 979) at 0.25 gives 245.
    EXPECT_EQ(PlaceFlash({0, 0, 1280, 1024}, {108, 45}), (FlashPoint{586, 245}));
    EXPECT_EQ(draws.DrawsTaken(), 2u);
}

TEST(PlaceFlash, AFittingWindowMayTouchTheRightAndBottomEdges)
{
    const ScriptedRandom draws{0.99999994f, 0.99999994f};
    const FlashPoint at = PlaceFlash({10, 20, 1280, 1024}, {108, 45});
    EXPECT_EQ(at.X + 108, 10 + 1280);
    EXPECT_EQ(at.Y + 45, 20 + 1024);
}

TEST(PlaceFlash, AWindowLargerThanTheAreaStartsAtItsEdgeAndStillDraws)
{
    const ScriptedRandom draws{0.9f, 0.9f};
    EXPECT_EQ(PlaceFlash({-1920, -200, 3200, 1480}, {4000, 2000}), (FlashPoint{-1920, -200}));
    EXPECT_EQ(draws.DrawsTaken(), 2u);
}

TEST(PlaceFlash, NegativeOriginsGiveNegativePositions)
{
    const ScriptedRandom draws{0.0f, 0.0f};
    EXPECT_EQ(PlaceFlash({-1920, -200, 3200, 1480}, {108, 45}), (FlashPoint{-1920, -200}));
}

TEST(PlaceFlash, OnlyOneAxisOverflowing)
{
    const ScriptedRandom draws{0.5f, 0.5f};
    // Too wide: x pinned at the origin; y still spread over 1024 - 45 + 1 values.
    EXPECT_EQ(PlaceFlash({0, 0, 1280, 1024}, {2000, 45}), (FlashPoint{0, 490}));
}
