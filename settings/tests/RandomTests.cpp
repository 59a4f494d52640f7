#include "settings/Random.h"
#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(RandInt, MapsOneDrawOntoTheRangeWhicheverWayItIsGiven)
{
    constexpr float top = 0.99999994f;  // the largest fraction below 1
    const struct { float draw; int32_t a, b, expected; } cases[] = {
        {0.0f, 5, 20, 5}, {0.0f, 20, 5, 5}, {top, 5, 20, 20}, {top, 20, 5, 20}, {0.5f, 20, 5, 13}, {top, 7, 7, 7},
        {0.0f, INT32_MIN, INT32_MAX, INT32_MIN},
        // A float's 24 bits fall 256 short of the top of a 2^32 span.
        {top, INT32_MAX, INT32_MIN, INT32_MAX - 255}};
    for (const auto& c : cases) {
        ScriptedRandom draw{c.draw};
        EXPECT_EQ(RandInt(c.a, c.b), c.expected) << c.a << ".." << c.b << " at " << c.draw;
    }
}

TEST(RandInt, ASeededGeneratorCoversTheWholeRangeAndRepeatsItself)
{
    const auto drawn = [](uint32_t seed) {
        SeedRandom(seed);
        std::vector<int32_t> values(2000);
        for (int32_t& value : values)
            value = RandInt(-3, 3);
        return values;
    };
    const std::vector<int32_t> first = drawn(12345);
    EXPECT_EQ(std::set<int32_t>(first.begin(), first.end()), (std::set<int32_t>{-3, -2, -1, 0, 1, 2, 3}));
    EXPECT_EQ(drawn(12345), first);
}

TEST(RandomTextColor, DrawsRedThenGreenThenBlueAndNeverGivesTheTransparentKey)
{
    ScriptedRandom draws{0.5f, 0.25f, 0.75f, 0.999f, 0.0f, 0.999f};
    EXPECT_EQ(RandomTextColor(), 128 + 256 * 64 + 65536 * 192);
    EXPECT_EQ(RandomTextColor(), 0xFF00FE);  // drawn: magenta, the transparent key
}
