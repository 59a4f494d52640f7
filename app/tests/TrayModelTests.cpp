#include "app/TrayModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string NoSystemNames(int32_t)
{
    return "";
}

}  // namespace

TEST(MenuState, ShowsTheHotkeysAfterATabAndEnablesOnlyTheUsefulItem)
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

TEST(MenuState, AToggleReadsTheSameOnBothItemsAndNoHotkeyHasNoTab)
{
    Settings s = DefaultSettings();
    s.StopKey = s.StartKey;
    EXPECT_EQ(MenuState(false, s, NoSystemNames).stopCaption, "S&top\tCtrl+Alt+S");
    s.StartKey = 0;
    EXPECT_EQ(MenuState(false, s, NoSystemNames).startCaption, "&Start");
}

TEST(FillTipField, EndsTheTextWithANulAndPadsWithSpaces)
{
    char field[TrayTipSize];
    std::fill(std::begin(field), std::end(field), 'x');
    FillTipField(field, "Halcyra - stopped");
    EXPECT_STREQ(field, "Halcyra - stopped");
    EXPECT_TRUE(std::all_of(field + 18, field + TrayTipSize, [](char c) { return c == ' '; }));

    FillTipField(field, std::string(100, 'a'));
    EXPECT_EQ(std::string(field), std::string(63, 'a'));
}
