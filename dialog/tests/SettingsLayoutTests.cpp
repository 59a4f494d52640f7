#include "dialog/SettingsLayout.h"

#include <gtest/gtest.h>

TEST(SettingsLayout, ListsEveryControlOnceWithItsIdInTabOrder)
{
    const auto layout = SettingsLayout();
    ASSERT_EQ(layout.size(), 44u);
    for (std::size_t i = 0; i < layout.size(); ++i) {
        EXPECT_EQ(layout[i].id, fraMessages + static_cast<int>(i));
        EXPECT_EQ(&LayoutOf(layout[i].id), &layout[i]);
    }
    EXPECT_GT(static_cast<int>(fraMessages), 2);  // clear of IDOK and IDCANCEL
}

TEST(SettingsLayout, PlacesGroupedControlsRelativeToTheirGroupAndInsideIt)
{
    for (const ControlSpec& c : SettingsLayout()) {
        const ControlRect r = ClientRect(c);
        ControlRect outer{0, 0, kSettingsClientWidth, kSettingsClientHeight};
        if (c.group) {
            ASSERT_EQ(LayoutOf(*c.group).kind, ControlKind::GroupBox) << c.id;
            EXPECT_LT(*c.group, c.id);
            outer = ClientRect(LayoutOf(*c.group));
        }
        EXPECT_GE(r.x, outer.x) << c.id;
        EXPECT_GE(r.y, outer.y) << c.id;
        EXPECT_LE(r.x + r.width, outer.x + outer.width) << c.id;
        EXPECT_LE(r.y + r.height, outer.y + outer.height) << c.id;
    }
    EXPECT_EQ(ClientRect(LayoutOf(txtIntMin)), (ControlRect{432, 28, 49, 21}));
    EXPECT_EQ(ClientRect(LayoutOf(chkStartActive)), (ControlRect{312, 410, 273, 17}));
    EXPECT_EQ(ClientRect(LayoutOf(lblHkHint)), (ControlRect{312, 338, 273, 26}));
    EXPECT_EQ(ClientRect(LayoutOf(cmdCancel)), (ControlRect{504, 440, 89, 28}));
    EXPECT_STREQ(LayoutOf(lblIntMin).text, "Every (sec)   min");
}
