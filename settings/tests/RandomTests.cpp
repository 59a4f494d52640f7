#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

TEST(Random, RandIntMapsADrawOntoTheRangeEitherWayRoundTheSeededGeneratorCoversItAndColoursAreDrawnRedGreenBlue)
{
    constexpr float top = 0.99999994f;  // the largest fraction below 1
    const struct { float draw; int32_t a, b, expected; } cases[] = {
        {0.0f, 20, 5, 5}, {top, 20, 5, 20}, {0.5f, 5, 20, 13}, {0.0f, INT32_MIN, INT32_MAX, INT32_MIN},
        // A float's 24 bits fall 256 short of the top of a 2^32 span.
        {top, INT32_MAX, INT32_MIN, INT32_MAX - 255}};
    for (const auto& c : cases) {
        ScriptedRandom draw{c.draw};
        EXPECT_EQ(RandInt(c.a, c.b), c.expected) << c.a << ".." << c.b << " at " << c.draw;
    }
    // Seeded again, the generator repeats its draws.
    SeedRandom(12345);
    const float first = NextRandomFraction();
    std::set<int32_t> drawn;
    for (int i = 0; i < 2000; ++i)
        drawn.insert(RandInt(-3, 3));
    SeedRandom(12345);
    EXPECT_EQ(std::pair(NextRandomFraction(), drawn), std::pair(first, std::set<int32_t>{-3, -2, -1, 0, 1, 2, 3}));
    // A colour is drawn red, green, blue, and never the transparent key.
    ScriptedRandom draws{0.5f, 0.25f, 0.75f, 0.999f, 0.0f, 0.999f};
    EXPECT_EQ(RandomTextColor(), 128 + 256 * 64 + 65536 * 192);
    EXPECT_EQ(RandomTextColor(), 0xFF00FE);  // drawn: magenta, the transparent key
}
