#include "hotkeys/HotkeyText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Stands in for the keyboard layout: names a few keys and records what it was asked.
struct FakeLayout {
    std::vector<int32_t> asked;

    SystemKeyName Namer()
    {
        return [this](int32_t key) -> std::string {
            asked.push_back(key);
            if (key == 9)
                return "Tab";
            if (key == 186)
                return ";";
            return "";
        };
    }
};

}  // namespace

TEST(KeyName, TheProgramsOwnTableWinsWithoutAskingTheSystem)
{
    FakeLayout layout;
    const auto name = [&](int32_t key) { return KeyName(key, layout.Namer()); };
    EXPECT_EQ(name(48), "0");
    EXPECT_EQ(name(57), "9");
    EXPECT_EQ(name(65), "A");
    EXPECT_EQ(name(90), "Z");
    EXPECT_EQ(name(112), "F1");
    EXPECT_EQ(name(135), "F24");
    EXPECT_EQ(name(96), "Num0");
    EXPECT_EQ(name(105), "Num9");
    EXPECT_EQ(name(13), "Enter");
    EXPECT_EQ(name(19), "Pause");
    EXPECT_EQ(name(27), "Esc");
    EXPECT_EQ(name(32), "Space");
    EXPECT_EQ(name(33), "PageUp");
    EXPECT_EQ(name(34), "PageDown");
    EXPECT_EQ(name(35), "End");
    EXPECT_EQ(name(36), "Home");
    EXPECT_EQ(name(37), "Left");
    EXPECT_EQ(name(38), "Up");
    EXPECT_EQ(name(39), "Right");
    EXPECT_EQ(name(40), "Down");
    EXPECT_EQ(name(45), "Insert");
    EXPECT_EQ(name(46), "Delete");
    EXPECT_EQ(name(145), "ScrollLock");
    EXPECT_TRUE(layout.asked.empty());
}

TEST(KeyName, KeysJustOutsideTheTableGoToTheSystem)
{
    FakeLayout layout;
    for (int32_t key : {47, 58, 64, 91, 95, 106, 111, 136, 144, 146})
        EXPECT_EQ(KeyName(key, layout.Namer()), "Key" + std::to_string(key));
    EXPECT_EQ(layout.asked, (std::vector<int32_t>{47, 58, 64, 91, 95, 106, 111, 136, 144, 146}));
}

TEST(KeyName, UsesTheSystemsNameElseKeyAndTheCode)
{
    FakeLayout layout;
    EXPECT_EQ(KeyName(9, layout.Namer()), "Tab");
    EXPECT_EQ(KeyName(186, layout.Namer()), ";");
    EXPECT_EQ(KeyName(255, layout.Namer()), "Key255");
}

TEST(HotkeyText, PrefixesComeInTheOrderWinCtrlAltShift)
{
    FakeLayout layout;
    EXPECT_EQ(HotkeyText(3, 83, layout.Namer()), "Ctrl+Alt+S");
    EXPECT_EQ(HotkeyText(15, 112, layout.Namer()), "Win+Ctrl+Alt+Shift+F1");
    EXPECT_EQ(HotkeyText(12, 65, layout.Namer()), "Win+Shift+A");
    EXPECT_EQ(HotkeyText(5, 9, layout.Namer()), "Alt+Shift+Tab");
    EXPECT_EQ(HotkeyText(0, 19, layout.Namer()), "Pause");
}

TEST(HotkeyText, OtherMaskBitsAddNothing)
{
    FakeLayout layout;
    EXPECT_EQ(HotkeyText(16, 65, layout.Namer()), "A");
    EXPECT_EQ(HotkeyText(0x4000 | 2, 65, layout.Namer()), "Ctrl+A");
    EXPECT_EQ(HotkeyText(-1, 65, layout.Namer()), "Win+Ctrl+Alt+Shift+A");
}

TEST(HotkeyText, KeyZeroIsNoHotkeyWhateverTheMask)
{
    FakeLayout layout;
    EXPECT_EQ(HotkeyText(3, 0, layout.Namer()), "(none)");
    EXPECT_EQ(HotkeyText(0, 0, layout.Namer()), "(none)");
    EXPECT_TRUE(layout.asked.empty());
}
