#include "dialog/Preview.h"

#include "settings/tests/ScriptedRandom.h"

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

TEST(PlanPreview, FlashesTheSelectedEntryWithTheControlValues)
{
    PreviewControls c = Controls();
    c.selected = 1;
    ScriptedRandom draws{0.0f};
    const PreviewValues v = PlanPreview(c);
    EXPECT_EQ(draws.DrawsTaken(), 1u);  // the size only
    EXPECT_EQ(std::tie(v.sText, v.sFont, v.lSize, v.bBold, v.lColor, v.lOpacity, v.bAllMonitors, v.lDurationMs),
              std::make_tuple("b", "Tahoma", 20, true, 0x00FF00, 200, true, 100));
}

TEST(PlanPreview, DrawsTheMessageThenTheSizeThenTheColour)
{
    PreviewControls c = Controls();
    c.sizeMinText = "50";  // above the maximum: the size is drawn from 20 to 50
    c.randomColor = true;
    ScriptedRandom draws{0.99f, 0.5f, 1.0f / 256, 2.0f / 256, 3.0f / 256, 0.34f, 0.0f, 0.0f, 0.0f, 0.0f};
    PreviewValues v = PlanPreview(c);
    EXPECT_EQ(v.sText, "c");
    EXPECT_EQ(v.lSize, 35);
    EXPECT_EQ(v.lColor, 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(PlanPreview(c).sText, "b");
    EXPECT_EQ(draws.DrawsTaken(), 10u);
}

TEST(PlanPreview, UnreadableOrOutOfRangeBoxesLandOnTheirBounds)
{
    PreviewControls c = Controls({});
    c.sizeMinText = "abc";
    c.durationText = "5";
    ScriptedRandom draws{0.0f, 0.999f};
    PreviewValues v = PlanPreview(c);
    EXPECT_EQ(v.sText, "Preview message");
    EXPECT_EQ(v.lSize, 6);
    EXPECT_EQ(v.lDurationMs, 10);
    c.sizeMinText = "1e9";
    c.durationText = "99999";
    v = PlanPreview(c);
    EXPECT_EQ(v.lSize, 400);
    EXPECT_EQ(v.lDurationMs, 10000);
}
