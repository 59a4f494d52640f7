#include "dialog/MessageList.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

TEST(MessageLines, SplitsAtLineFeedsAndTrimsSpacesOnly)
{
    EXPECT_EQ(MessageLines("You are calm\r\n\r\n  Breathe  \r\n"), (Lines{"You are calm", "Breathe"}));
    EXPECT_EQ(MessageLines("a\rb"), (Lines{"ab"}));
    EXPECT_EQ(MessageLines("a\n\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(MessageLines("\t"), (Lines{"\t"}));
    EXPECT_EQ(MessageLines(" \tx\t "), (Lines{"\tx\t"}));
    EXPECT_TRUE(MessageLines("    \n \r\n").empty());
    EXPECT_TRUE(MessageLines("").empty());
}

TEST(MessageList, AddAppendsAtTheEndKeepingDuplicatesAndSelection)
{
    MessageList list({"a", "b"});
    list.Select(0);
    EXPECT_EQ(list.Add("b\nc\n"), 2u);
    EXPECT_EQ(list.Entries(), (Lines{"a", "b", "b", "c"}));
    EXPECT_EQ(list.Selected(), 0u);
    EXPECT_EQ(list.Add("  \n"), 0u);
    EXPECT_EQ(list.Entries().size(), 4u);
}

TEST(MessageList, AddTakesALongPastedListInOneGo)
{
    std::string pasted;
    for (int i = 0; i < 100000; ++i)
        pasted += "  message " + std::to_string(i) + "  \r\n";
    MessageList list;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(list.Add(pasted), 100000u);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(list.Entries().back(), "message 99999");
    // Linear work takes a few tenths of a second here under the sanitizers; removing the
    // carriage returns one at a time took over three seconds even without them.
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(MessageList, UpdateReplacesTheSelectedEntryWithItsFirstLine)
{
    MessageList list({"a", "b", "c"});
    list.Select(1);
    EXPECT_EQ(list.SelectedText(), "b");
    EXPECT_TRUE(list.Update("  new  "));
    EXPECT_EQ(list.Entries(), (Lines{"a", "new", "c"}));
    EXPECT_TRUE(list.Update("first\r\nsecond"));
    EXPECT_EQ(list.Entries(), (Lines{"a", "first", "c"}));
    EXPECT_TRUE(list.Update("x\ry"));
    EXPECT_EQ(list.Entries()[1], "xy");
}

TEST(MessageList, UpdateWithABlankTextOrNoSelectionChangesNothing)
{
    MessageList list({"a", "b"});
    EXPECT_FALSE(list.Update("z"));
    list.Select(0);
    EXPECT_FALSE(list.Update(""));
    EXPECT_FALSE(list.Update("    "));
    EXPECT_FALSE(list.Update("\nsecond"));
    EXPECT_EQ(list.Entries(), (Lines{"a", "b"}));
}

TEST(MessageList, RemoveSelectsTheEntryNowInItsPlaceOrTheNewLast)
{
    MessageList list({"a", "b", "c", "d"});
    list.Select(1);
    EXPECT_EQ(list.Remove(), 1u);
    EXPECT_EQ(list.SelectedText(), "c");

    list.Select(2);
    EXPECT_EQ(list.Remove(), 2u);
    EXPECT_EQ(list.Selected(), 1u);
    EXPECT_EQ(list.SelectedText(), "c");
    EXPECT_EQ(list.Entries(), (Lines{"a", "c"}));

    list.Select(0);
    EXPECT_EQ(list.Remove(), 0u);
    EXPECT_EQ(list.Entries(), (Lines{"c"}));
    EXPECT_EQ(list.SelectedText(), "c");

    EXPECT_EQ(list.Remove(), 0u);
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_FALSE(list.Selected());
    EXPECT_FALSE(list.Remove());
}

TEST(MessageList, SelectOutOfRangeSelectsNothing)
{
    MessageList list({"a"});
    list.Select(0);
    list.Select(1);
    EXPECT_FALSE(list.Selected());
    EXPECT_FALSE(list.Remove());
    EXPECT_EQ(list.Entries().size(), 1u);
}
