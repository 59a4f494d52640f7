#include "dialog/Preview.h"

#include "settings/tests/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

PreviewControls Controls(const std::vector<std::string>& messages)
{
    PreviewControls c;
    c.messages = messages;
    c.sizeMinText = "20";
    c.sizeMaxText = "20";
    c.durationText = "100";
    c.color = 0x00FF00;
    c.fontName = "Tahoma";
    c.bold = true;
    c.opacity = 200;
    c.allMonitors = true;
    return c;
}

}  // namespace

TEST(PlanPreview, PassesTheControlValuesThrough)
{
    const std::vector<std::string> messages{"a", "b"};
    PreviewControls c = Controls(messages);
    c.selected = 1;
    ScriptedRandom draws{0.0f};
    const PreviewValues v = PlanPreview(c);
    EXPECT_EQ(v.sText, "b");
    EXPECT_EQ(v.sFont, "Tahoma");
    EXPECT_EQ(v.lSize, 20);
    EXPECT_TRUE(v.bBold);
    EXPECT_EQ(v.lColor, 0x00FF00);
    EXPECT_EQ(v.lOpacity, 200);
    EXPECT_TRUE(v.bAllMonitors);
    EXPECT_EQ(v.lDurationMs, 100);
    EXPECT_EQ(draws.DrawsTaken(), 1u);  // the size only
}

TEST(PlanPreview, PicksAMessageAtRandomOnlyWhenNoneIsSelected)
{
    const std::vector<std::string> three{"a", "b", "c"};
    ScriptedRandom draws{0.99f, 0.0f, 0.34f, 0.0f, 0.0f};
    EXPECT_EQ(PlanPreview(Controls(three)).sText, "c");
    EXPECT_EQ(PlanPreview(Controls(three)).sText, "b");
    EXPECT_EQ(PlanPreview(Controls({})).sText, "Preview message");
    EXPECT_EQ(draws.DrawsTaken(), 5u);
}

TEST(PlanPreview, DrawsTheMessageThenTheSizeThenTheColour)
{
    const std::vector<std::string> two{"a", "b"};
    PreviewControls c = Controls(two);
    c.sizeMinText = "50";
    c.randomColor = true;
    ScriptedRandom draws{0.5f, 0.0f, 1.0f / 256, 2.0f / 256, 3.0f / 256};
    const PreviewValues v = PlanPreview(c);
    EXPECT_EQ(v.sText, "b");
    EXPECT_EQ(v.lSize, 20);  // bounds in either order: 20 to 50
    EXPECT_EQ(v.lColor, 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(draws.DrawsTaken(), 5u);
}

TEST(PlanPreview, UnreadableOrOutOfRangeBoxesLandOnTheirBounds)
{
    const std::vector<std::string> none;
    PreviewControls c = Controls(none);
    c.sizeMinText = "abc";
    c.durationText = "5";
    ScriptedRandom draws{0.0f, 0.999f};
    PreviewValues v = PlanPreview(c);
    EXPECT_EQ(v.lSize, 6);
    EXPECT_EQ(v.lDurationMs, 10);

    c.sizeMinText = "1e9";
    c.durationText = "99999";
    v = PlanPreview(c);
    EXPECT_EQ(v.lSize, 400);
    EXPECT_EQ(v.lDurationMs, 10000);
}
