#include "dialog/MessageList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

TEST(MessageList, AddAppendsEveryNonBlankLineTrimmedOfSpacesOnly)
{
    MessageList list({"You are calm"});
    list.Select(0);
    EXPECT_EQ(list.Add("You are calm\r\n\r\n  Breathe  \r\n"), 2u);
    EXPECT_EQ(list.Add("a\rb"), 1u);
    EXPECT_EQ(list.Add(" \t \n    \n"), 1u);
    EXPECT_EQ(list.Add(""), 0u);
    EXPECT_EQ(list.Entries(), (Lines{"You are calm", "You are calm", "Breathe", "ab", "\t"}));
    EXPECT_EQ(list.Selected(), 0u);
}

TEST(MessageList, UpdateReplacesTheSelectionWithTheFirstLineUnlessBlank)
{
    MessageList list({"a", "b", "c"});
    EXPECT_FALSE(list.Update("z"));
    list.Select(1);
    EXPECT_EQ(list.SelectedText(), "b");
    EXPECT_TRUE(list.Update("fi\rrst  \r\nsecond"));
    for (const char* blank : {"", "    ", "\nsecond"})
        EXPECT_FALSE(list.Update(blank)) << '"' << blank << '"';
    EXPECT_EQ(list.Entries(), (Lines{"a", "first", "c"}));
}

TEST(MessageList, RemoveSelectsTheEntryNowInItsPlaceOrTheNewLast)
{
    MessageList list({"a", "b", "c", "d"});
    EXPECT_FALSE(list.Remove());
    list.Select(1);
    EXPECT_EQ(list.Remove(), 1u);
    EXPECT_EQ(list.SelectedText(), "c");
    list.Select(2);
    EXPECT_EQ(list.Remove(), 2u);
    EXPECT_EQ(list.Entries(), (Lines{"a", "c"}));
    EXPECT_EQ(list.SelectedText(), "c");
    list.Select(2);  // beyond the end: nothing
    EXPECT_FALSE(list.Remove());
    list.Select(0);
    list.Remove();
    EXPECT_EQ(list.Remove(), 0u);
    EXPECT_TRUE(list.Entries().empty() && !list.Selected());
}
