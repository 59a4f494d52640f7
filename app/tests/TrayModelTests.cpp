#include "app/TrayModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string NoSystemNames(int32_t)
{
    return "";
}

}  // namespace

TEST(TrayTipText, NamesTheState)
{
    EXPECT_EQ(TrayTipText(true), "Halcyra - running");
    EXPECT_EQ(TrayTipText(false), "Halcyra - stopped");
}

TEST(HotkeySuffix, IsATabAndTheHotkeyOrNothing)
{
    EXPECT_EQ(HotkeySuffix(3, 83, NoSystemNames), "\tCtrl+Alt+S");
    EXPECT_EQ(HotkeySuffix(3, 0, NoSystemNames), "");
    EXPECT_EQ(HotkeySuffix(0, 255, NoSystemNames), "\tKey255");
}

TEST(MenuState, DefaultsShowBothHotkeysAndOnlyTheUsefulItemEnabled)
{
    const TrayMenuState stopped = MenuState(false, DefaultSettings(), NoSystemNames);
    EXPECT_EQ(stopped.startCaption, "&Start\tCtrl+Alt+S");
    EXPECT_EQ(stopped.stopCaption, "S&top\tCtrl+Alt+X");
    EXPECT_TRUE(stopped.startEnabled);
    EXPECT_FALSE(stopped.stopEnabled);

    const TrayMenuState running = MenuState(true, DefaultSettings(), NoSystemNames);
    EXPECT_FALSE(running.startEnabled);
    EXPECT_TRUE(running.stopEnabled);
}

TEST(MenuState, AToggleHotkeyReadsTheSameOnBothItemsAndKeyZeroHasNoTab)
{
    Settings s = DefaultSettings();
    s.StopKey = s.StartKey;
    TrayMenuState state = MenuState(false, s, NoSystemNames);
    EXPECT_EQ(state.startCaption, "&Start\tCtrl+Alt+S");
    EXPECT_EQ(state.stopCaption, "S&top\tCtrl+Alt+S");

    s.StartKey = 0;
    state = MenuState(false, s, NoSystemNames);
    EXPECT_EQ(state.startCaption, "&Start");
}

TEST(FillTipField, PutsANulAfterTheTextAndSpacesBehindIt)
{
    char field[TrayTipSize];
    std::fill(std::begin(field), std::end(field), 'x');
    FillTipField(field, "Halcyra - stopped");
    EXPECT_STREQ(field, "Halcyra - stopped");
    EXPECT_TRUE(std::all_of(field + 18, field + TrayTipSize, [](char c) { return c == ' '; }));
}

TEST(FillTipField, CutsALongTextSoTheFieldStaysTerminated)
{
    char field[TrayTipSize];
    FillTipField(field, std::string(100, 'a'));
    EXPECT_EQ(std::string(field), std::string(63, 'a'));
    EXPECT_EQ(field[63], '\0');
}
