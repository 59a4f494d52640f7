#include "dialog/FontList.h"
#include "dialog/OpacityLabel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Names = std::vector<std::string>;

TEST(FontList, SortsIgnoringCaseKeepsEachFaceOnceAndSelectsTheFirstMatchElseTheFirstEntry)
{
    EXPECT_EQ(SortFontNames({"Verdana", "arial", "Courier New", "Arial", "Verdana", "@MS Gothic", "ARIAL"}),
              (Names{"@MS Gothic", "arial", "Courier New", "Verdana"}));
    const Names fonts{"Arial", "Tahoma", "tahoma", "Verdana"};
    EXPECT_EQ(SelectFont(fonts, "TAHOMA"), 1u);
    EXPECT_EQ(SelectFont(fonts, "Arial Black"), 0u);
    EXPECT_FALSE(SelectFont({}, "Arial"));
}

TEST(OpacityLabelText, IsTheRoundedPercentageOf255)
{
    const std::pair<int32_t, const char*> cases[] = {{10, "4%"},   {11, "4%"},    {128, "50%"}, {140, "55%"},
                                                     {230, "90%"}, {254, "100%"}, {255, "100%"}};
    for (const auto& [position, text] : cases)
        EXPECT_EQ(OpacityLabelText(position), text) << position;
}
