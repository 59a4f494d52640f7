#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Menus.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

namespace {

const std::string kToggleSettings =
    IniText({"[General]", "StartWithWindows=0", "[Hotkeys]", "StartMod=3", "StartKey=83", "StopMod=3", "StopKey=83"});

// A hotkey held by the driver for as long as the object lives, as another program would.
class TakenHotkey {
public:
    TakenHotkey(UINT modifiers, UINT key) : taken_(RegisterHotKey(nullptr, kId, modifiers, key)) {}
    ~TakenHotkey()
    {
        if (taken_)
            UnregisterHotKey(nullptr, kId);
    }
    TakenHotkey(const TakenHotkey&) = delete;
    TakenHotkey& operator=(const TakenHotkey&) = delete;
    bool Taken() const { return taken_; }

private:
    static constexpr int kId = 0xB002;
    bool taken_;
};

std::vector<std::string> StaticTextsOf(HWND box)
{
    std::vector<std::string> texts;
    for (HWND child = FindWindowExA(box, nullptr, "Static", nullptr); child;
         child = FindWindowExA(box, child, "Static", nullptr)) {
        if (!TextOf(child).empty())
            texts.push_back(TextOf(child));
    }
    return texts;
}

}  // namespace

using Hotkeys = E2eTest;

TEST_F(Hotkeys, CtrlAltSStartsAndCtrlAltXStops)
{
    WriteSettings(IniText({"[General]", "StartWithWindows=0"}));
    LaunchToTray();

    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
    EXPECT_FALSE(program->HasExited());
}

TEST_F(Hotkeys, EqualCombinationsToggleAndBothItemsShowThem)
{
    WriteSettings(kToggleSettings);
    LaunchToTray();

    PressChord({VK_CONTROL, VK_MENU, 'S'});
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "Ctrl+Alt+X is no hotkey now";

    EXPECT_TRUE(MenuLooksLike(OpenTrayMenu(), ExpectedTrayMenu(false, "&Start\tCtrl+Alt+S", "S&top\tCtrl+Alt+S"),
                              "menu-toggle"))
        << "both items carry Ctrl+Alt+S";
}

// Wine 8 delivers a hotkey message for every repeated key-down, MOD_NOREPEAT or not, so
// this group can only pass where the system honours the flag; it is not registered with
// CTest here and runs by hand with --gtest_filter=HotkeyRepeat.*.
using HotkeyRepeat = E2eTest;

TEST_F(HotkeyRepeat, HoldingTheToggleDownTogglesOnce)
{
    WriteSettings(kToggleSettings);
    LaunchToTray();
    {
        const HeldKeys modifiers({VK_CONTROL, VK_MENU});
        for (int repeat = 0; repeat < 4; ++repeat)
            KeyDown('S');
        KeyUp('S');
    }
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    EXPECT_FALSE(WaitForHalcyraTip("Halcyra - stopped", 500));
}

TEST_F(Hotkeys, ACombinationHeldElsewhereGivesOneWarningWithTheIconBehindIt)
{
    const TakenHotkey taken(MOD_CONTROL | MOD_ALT, 'S');
    ASSERT_TRUE(taken.Taken());
    WriteSettings(IniText({"[General]", "StartWithWindows=0", "StartActive=1"}));
    Launch();

    std::vector<HWND> boxes;
    ASSERT_TRUE(WaitUntil([&] { return !(boxes = program->VisibleDialogs()).empty(); }, kStartTimeoutMs));
    ASSERT_EQ(boxes.size(), 1u);
    const HWND box = boxes.front();
    EXPECT_EQ(TextOf(box), "Halcyra");
    EXPECT_EQ(StaticTextsOf(box),
              std::vector<std::string>{"These hotkeys could not be registered (probably already used by another "
                                       "program):\r\n\r\n  Ctrl+Alt+S  (start)\r\n\r\nChoose different ones in "
                                       "Settings."});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "the icon is there, not yet running";
    SaveEvidence("hotkey-warning");

    const HWND ok = FindWindowExA(box, nullptr, "Button", nullptr);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(FindWindowExA(box, ok, "Button", nullptr), nullptr) << "one button only";
    EXPECT_EQ(TextOf(ok), "OK");
    LeftClickAt(CentreOf(ok));
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs)) << "flashing starts after the box";
    EXPECT_FALSE(WaitUntil([&] { return !program->VisibleDialogs().empty(); }, 1000)) << "exactly one box";

    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "the other hotkey still works";
}
