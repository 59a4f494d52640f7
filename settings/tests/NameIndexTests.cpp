#include "settings/NameIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(NameIndex, FindsTheFirstOfEachNameThroughEveryGrowthAndForgetsAllWhenCleared)
{
    std::vector<std::string> list;
    NameIndex index;
    const auto nameOf = [&list](std::size_t i) { return std::string_view(list[i]); };
    const int count = 50000;
    for (const char* prefix : {"Key", "KEY"}) {
        for (int i = 0; i < count; ++i) {
            list.push_back(prefix + std::to_string(i));
            index.Add(list.size() - 1, nameOf);
        }
    }
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(index.Find("kEy" + std::to_string(i), nameOf), static_cast<std::size_t>(i));
    EXPECT_EQ(index.Find("key" + std::to_string(count), nameOf), std::nullopt);
    EXPECT_EQ(index.Find("Key1 ", nameOf), std::nullopt);

    index.Clear();
    EXPECT_EQ(index.Find("Key1", nameOf), std::nullopt);
    index.Add(count + 1, nameOf);
    EXPECT_EQ(index.Find("key1", nameOf), static_cast<std::size_t>(count + 1));
}
