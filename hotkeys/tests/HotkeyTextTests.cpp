#include "hotkeys/HotkeyText.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<int32_t> asked;

// Stands in for the keyboard layout: knows only Tab, and notes every question.
std::string FakeLayout(int32_t key)
{
    asked.push_back(key);
    return key == 9 ? "Tab" : "";
}

}  // namespace

TEST(KeyName, TheProgramsTableAnswersFirstThenTheSystemThenKeyAndTheCode)
{
    asked.clear();
    const std::pair<int32_t, std::string> table[] = {
        {48, "0"},     {57, "9"},     {65, "A"},   {90, "Z"},     {112, "F1"},  {135, "F24"},    {96, "Num0"},
        {105, "Num9"}, {13, "Enter"}, {19, "Pause"}, {27, "Esc"}, {32, "Space"}, {40, "Down"}, {46, "Delete"},
        {145, "ScrollLock"}};
    for (const auto& [key, name] : table)
        EXPECT_EQ(KeyName(key, FakeLayout), name) << key;
    EXPECT_TRUE(asked.empty());

    EXPECT_EQ(KeyName(9, FakeLayout), "Tab");
    for (int32_t key : {47, 58, 64, 91, 106, 136, 144, 255})
        EXPECT_EQ(KeyName(key, FakeLayout), "Key" + std::to_string(key));
    EXPECT_EQ(asked, (std::vector<int32_t>{9, 47, 58, 64, 91, 106, 136, 144, 255}));
}

TEST(HotkeyText, PrefixesComeAsWinCtrlAltShiftAndOtherBitsAddNothing)
{
    EXPECT_EQ(HotkeyText(3, 83, FakeLayout), "Ctrl+Alt+S");
    EXPECT_EQ(HotkeyText(15, 112, FakeLayout), "Win+Ctrl+Alt+Shift+F1");
    EXPECT_EQ(HotkeyText(12, 9, FakeLayout), "Win+Shift+Tab");
    EXPECT_EQ(HotkeyText(0, 19, FakeLayout), "Pause");
    EXPECT_EQ(HotkeyText(16, 65, FakeLayout), "A");
    EXPECT_EQ(HotkeyText(0x4000 | 2, 65, FakeLayout), "Ctrl+A");
    EXPECT_EQ(HotkeyText(3, 0, FakeLayout), "(none)");
}
