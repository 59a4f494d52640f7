#include "dialog/FontList.h"
#include "dialog/OpacityLabel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Names = std::vector<std::string>;

TEST(SortFontNames, OrdersIgnoringCaseAndKeepsEachFaceOnce)
{
    EXPECT_EQ(SortFontNames({"Verdana", "arial", "Courier New", "Arial", "Verdana", "@MS Gothic", "Zed", "ARIAL"}),
              (Names{"@MS Gothic", "arial", "Courier New", "Verdana", "Zed"}));
    EXPECT_TRUE(SortFontNames({}).empty());
}

TEST(SelectFont, PicksTheFirstMatchIgnoringCaseElseTheFirstEntry)
{
    const Names fonts{"Arial", "Tahoma", "tahoma", "Verdana"};
    EXPECT_EQ(SelectFont(fonts, "TAHOMA"), 1u);
    EXPECT_EQ(SelectFont(fonts, "Verdana"), 3u);
    EXPECT_EQ(SelectFont(fonts, "Wingdings"), 0u);
    EXPECT_EQ(SelectFont(fonts, "Arial Black"), 0u);
    EXPECT_EQ(SelectFont(fonts, ""), 0u);
    EXPECT_FALSE(SelectFont({}, "Arial"));
}

TEST(OpacityLabelText, IsTheRoundedPercentageOf255)
{
    EXPECT_EQ(OpacityLabelText(10), "4%");
    EXPECT_EQ(OpacityLabelText(11), "4%");
    EXPECT_EQ(OpacityLabelText(128), "50%");
    EXPECT_EQ(OpacityLabelText(230), "90%");
    EXPECT_EQ(OpacityLabelText(254), "100%");
    EXPECT_EQ(OpacityLabelText(255), "100%");
    EXPECT_EQ(OpacityLabelText(140), "55%");
}
