#include "dialog/Preview.h"

#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

const std::vector<std::string> kThree{"a", "b", "c"};

PreviewControls Controls(std::span<const std::string> messages = kThree)
{
    return {messages, std::nullopt, "20", "20", "100", false, 0x00FF00, "Tahoma", true, 200, true};
}

}  // namespace

TEST(PlanPreview, FlashesTheSelectedEntryWithTheControlValuesDrawingOnlyTheSize)
{
    PreviewControls c = Controls();
    c.selected = 1;
    ScriptedRandom draws{0.0f};
    const PreviewValues v = PlanPreview(c);
    EXPECT_EQ(draws.DrawsTaken(), 1u);
    EXPECT_EQ(std::tie(v.sText, v.sFont, v.lSize, v.bBold, v.lColor, v.lOpacity, v.bAllMonitors, v.lDurationMs),
              std::make_tuple("b", "Tahoma", 20, true, 0x00FF00, 200, true, 100));
}

TEST(PlanPreview, DrawsTheMessageThenTheSizeThenTheColour)
{
    PreviewControls c = Controls();
    c.sizeMinText = "50";  // above the maximum: the size is drawn from 20 to 50
    c.randomColor = true;
    ScriptedRandom draws{0.99f, 0.5f, 1.0f / 256, 2.0f / 256, 3.0f / 256};
    const PreviewValues v = PlanPreview(c);
    EXPECT_EQ(std::tie(v.sText, v.lSize, v.lColor), std::make_tuple("c", 35, 1 + 2 * 256 + 3 * 65536));
}

TEST(PlanPreview, UnreadableOrOutOfRangeBoxesLandOnTheirBoundsAndAnEmptyListShowsAPlaceholder)
{
    PreviewControls c = Controls({});
    const std::pair<const char*, std::tuple<int32_t, int32_t>> cases[] = {
        {"abc", {6, 10}}, {"5", {6, 10}}, {"1e999", {400, 10000}}, {"99999", {400, 10000}}};
    for (const auto& [text, sizeAndDuration] : cases) {
        c.sizeMinText = c.sizeMaxText = c.durationText = text;
        ScriptedRandom draws{0.5f};
        const PreviewValues v = PlanPreview(c);
        EXPECT_EQ(std::tie(v.lSize, v.lDurationMs), sizeAndDuration) << text;
        EXPECT_EQ(v.sText, "Preview message");
    }
}
