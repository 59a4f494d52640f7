#include "app/TrayModel.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(MenuState, ShowsTheHotkeysAfterATabAndEnablesOnlyTheUsefulItem)
{
    const SystemKeyName NoSystemNames = [](int32_t) { return std::string(); };
    const TrayMenuState stopped = MenuState(false, DefaultSettings(), NoSystemNames);
    EXPECT_EQ(std::tie(stopped.startCaption, stopped.stopCaption, stopped.startEnabled, stopped.stopEnabled),
              std::tuple("&Start\tCtrl+Alt+S", "S&top\tCtrl+Alt+X", true, false));
    const TrayMenuState running = MenuState(true, DefaultSettings(), NoSystemNames);
    EXPECT_EQ(std::tie(running.startEnabled, running.stopEnabled), std::tuple(false, true));

    Settings s = DefaultSettings();
    s.StopKey = s.StartKey;
    EXPECT_EQ(MenuState(false, s, NoSystemNames).stopCaption, "S&top\tCtrl+Alt+S");
    s.StartKey = 0;
    EXPECT_EQ(MenuState(false, s, NoSystemNames).startCaption, "&Start");
}

TEST(TrayTip, NamesTheStateAndFillsTheFieldWithTheTextANulAndSpaces)
{
    EXPECT_EQ(TrayTipText(true), "Halcyra - running");
    char field[TrayTipSize];
    std::fill(std::begin(field), std::end(field), 'x');
    FillTipField(field, TrayTipText(false));
    EXPECT_STREQ(field, "Halcyra - stopped");
    EXPECT_TRUE(std::all_of(field + 18, field + TrayTipSize, [](char c) { return c == ' '; }));
    FillTipField(field, std::string(100, 'a'));
    EXPECT_EQ(std::string(field), std::string(63, 'a'));
}
