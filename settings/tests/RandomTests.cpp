#include "settings/Random.h"
#include "settings/Settings.h"
#include "settings/tests/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

TEST(RandInt, TakesItsBoundsInEitherOrder)
{
    ScriptedRandom draws{0.0f, 0.0f, 0.99999994f, 0.99999994f, 0.5f, 0.5f};
    EXPECT_EQ(RandInt(5, 20), 5);
    EXPECT_EQ(RandInt(20, 5), 5);
    EXPECT_EQ(RandInt(5, 20), 20);
    EXPECT_EQ(RandInt(20, 5), 20);
    EXPECT_EQ(RandInt(5, 20), 13);
    EXPECT_EQ(RandInt(20, 5), 13);
}

TEST(RandInt, EqualBoundsAlwaysGiveThatNumber)
{
    ScriptedRandom draws{0.0f, 0.5f, 0.99999994f};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(RandInt(7, 7), 7);
}

TEST(RandInt, CoversTheWholeRangeAndNothingElse)
{
    SeedRandom(12345);
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        const int32_t value = RandInt(-3, 3);
        ASSERT_GE(value, -3);
        ASSERT_LE(value, 3);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(RandInt, HandlesTheExtremesOfThirtyTwoBits)
{
    ScriptedRandom draws{0.0f, 0.99999994f};
    EXPECT_EQ(RandInt(INT32_MIN, INT32_MAX), INT32_MIN);
    // The largest fraction below 1 falls 256 short of the top of a 2^32 span.
    EXPECT_EQ(RandInt(INT32_MAX, INT32_MIN), INT32_MAX - 255);
}

TEST(RandomFraction, StaysBelowOneAndIsReproducibleFromItsSeed)
{
    SeedRandom(7);
    std::vector<float> first;
    for (int i = 0; i < 1000; ++i) {
        const float r = NextRandomFraction();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        first.push_back(r);
    }
    SeedRandom(7);
    for (float r : first)
        ASSERT_EQ(NextRandomFraction(), r);
}

TEST(RandomTextColor, DrawsRedThenGreenThenBlue)
{
    ScriptedRandom draws{0.5f, 0.25f, 0.75f};
    EXPECT_EQ(RandomTextColor(), 128 + 256 * 64 + 65536 * 192);
    EXPECT_EQ(draws.DrawsTaken(), 3u);
}

TEST(RandomTextColor, NeverGivesTheTransparentKey)
{
    {
        ScriptedRandom magenta{0.999f, 0.0f, 0.999f};
        EXPECT_EQ(RandomTextColor(), 0xFF00FE);
    }

    SeedRandom(99);
    for (int i = 0; i < 5000; ++i) {
        const int32_t colour = RandomTextColor();
        ASSERT_NE(colour, TransparentKey);
        ASSERT_EQ(colour & 0xFF000000, 0);
    }
}
