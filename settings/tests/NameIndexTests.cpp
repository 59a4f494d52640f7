#include "settings/NameIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Names {
    std::vector<std::string> list;
    NameIndex index;

    void Add(std::string name)
    {
        list.push_back(std::move(name));
        index.Add(list.size() - 1, [this](std::size_t i) { return std::string_view(list[i]); });
    }

    std::optional<std::size_t> Find(std::string_view name) const
    {
        return index.Find(name, [this](std::size_t i) { return std::string_view(list[i]); });
    }
};

}  // namespace

TEST(NameIndex, FindsTheFirstOfEachNameThroughEveryGrowth)
{
    Names names;
    const int count = 50000;
    for (int i = 0; i < count; ++i)
        names.Add("Key" + std::to_string(i));
    for (int i = 0; i < count; ++i)
        names.Add("KEY" + std::to_string(i));
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(names.Find("key" + std::to_string(i)), static_cast<std::size_t>(i));
        ASSERT_EQ(names.Find("KEY" + std::to_string(i)), static_cast<std::size_t>(i));
    }
    EXPECT_EQ(names.Find("key" + std::to_string(count)), std::nullopt);
    EXPECT_EQ(names.Find("Key1 "), std::nullopt);
    EXPECT_EQ(names.Find(""), std::nullopt);
}

TEST(NameIndex, StartsEmptyAndForgetsEverythingWhenCleared)
{
    Names names;
    EXPECT_EQ(names.Find("a"), std::nullopt);
    names.Add("");
    names.Add("a");
    EXPECT_EQ(names.Find(""), 0u);
    EXPECT_EQ(names.Find("A"), 1u);
    names.index.Clear();
    EXPECT_EQ(names.Find("a"), std::nullopt);
    names.index.Add(1, [&](std::size_t i) { return std::string_view(names.list[i]); });
    EXPECT_EQ(names.Find("a"), 1u);
}

TEST(NameIndex, FoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(NameIndex::SameName("Messages", "mESSAGES"));
    EXPECT_FALSE(NameIndex::SameName("Messages", "Message"));
    EXPECT_FALSE(NameIndex::SameName("\xC9", "\xE9"));
    EXPECT_FALSE(NameIndex::SameName("[", "{"));
    EXPECT_FALSE(NameIndex::SameName("@", "`"));
}
