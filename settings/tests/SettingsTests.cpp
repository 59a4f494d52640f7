#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ClampLong, ClampsBeforeRoundingHalvesToEven)
{
    EXPECT_EQ(ClampLong(0.5, 0, 10), 0);
    EXPECT_EQ(ClampLong(1.5, 0, 10), 2);
    EXPECT_EQ(ClampLong(2.5, 0, 10), 2);
    EXPECT_EQ(ClampLong(3.5, 0, 10), 4);
    EXPECT_EQ(ClampLong(-2.5, -10, 10), -2);
    EXPECT_EQ(ClampLong(9.6, 10, 255), 10);
    EXPECT_EQ(ClampLong(255.4, 10, 255), 255);
    EXPECT_EQ(ClampLong(-3, 1, 86400), 1);
    EXPECT_EQ(ClampLong(1e12, 6, 400), 400);
}

TEST(ClampLong, NonFiniteValuesLandOnABound)
{
    EXPECT_EQ(ClampLong(std::numeric_limits<double>::infinity(), 6, 400), 400);
    EXPECT_EQ(ClampLong(-std::numeric_limits<double>::infinity(), 6, 400), 6);
    EXPECT_EQ(ClampLong(std::nan(""), 6, 400), 6);
}

TEST(BoolText, IsOneOrZero)
{
    EXPECT_STREQ(BoolText(true), "1");
    EXPECT_STREQ(BoolText(false), "0");
}

TEST(SetDefaults, FillsTheRecordWithEveryDefault)
{
    gSettings = Settings{};
    SetDefaults();
    const Settings& s = gSettings;
    ASSERT_EQ(s.Messages.size(), 5u);
    EXPECT_EQ(s.Messages.front(), "You are calm");
    EXPECT_EQ(s.Messages.back(), "Drink some water");
    EXPECT_EQ(s.IntervalMin, 5);
    EXPECT_EQ(s.IntervalMax, 20);
    EXPECT_EQ(s.DurationMs, 100);
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(s.FontSizeMin, 28);
    EXPECT_EQ(s.FontSizeMax, 48);
    EXPECT_TRUE(s.Bold);
    EXPECT_EQ(s.Color, 0xFFFFFF);
    EXPECT_FALSE(s.RandomColor);
    EXPECT_EQ(s.Opacity, 230);
    EXPECT_TRUE(s.AllMonitors);
    EXPECT_TRUE(s.StartWithWindows);
    EXPECT_FALSE(s.StartActive);
    EXPECT_EQ(s.StartMod, 3);
    EXPECT_EQ(s.StartKey, 83);
    EXPECT_EQ(s.StopMod, 3);
    EXPECT_EQ(s.StopKey, 88);
}
