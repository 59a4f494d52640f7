#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Menus.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

namespace {

struct Refusal {
    std::vector<std::pair<SettingsControl, std::string>> typed;  // in this order
    std::string message;
    SettingsControl focused;
    bool wholeTextSelected;  // else the selection is left as it was
};

const std::string kIntMin = "Minimum interval must be a number between 1 and 86400.";
const std::string kDuration = "Display time must be a number between 10 and 10000.";
const std::string kSizeMin = "Minimum font size must be a number between 6 and 400.";

// Each step leaves the earlier boxes valid, so that the next check is the one that fails;
// texts that are no numbers, and numbers that would pass if cut down to 32 bits, among them.
const Refusal kRefusals[] = {
    {{{txtIntMin, "0.6"}}, kIntMin, txtIntMin, true},
    {{{txtIntMin, "12abc"}}, kIntMin, txtIntMin, true},
    {{{txtIntMin, "4294967297"}}, kIntMin, txtIntMin, true},
    {{{txtIntMin, "-4294967295"}}, kIntMin, txtIntMin, true},
    {{{txtIntMin, "60"}, {txtIntMax, "86401"}}, "Maximum interval must be a number between 1 and 86400.", txtIntMax,
     true},
    {{{txtIntMin, "30"}, {txtIntMax, "20"}}, "Maximum interval must be greater than or equal to the minimum.",
     txtIntMax, false},
    {{{txtIntMax, "30"}, {txtDuration, ""}}, kDuration, txtDuration, true},
    {{{txtDuration, "4294967306"}}, kDuration, txtDuration, true},
    {{{txtDuration, "250"}, {txtSizeMin, "abc"}}, kSizeMin, txtSizeMin, true},
    {{{txtSizeMin, std::string(100000, '9')}}, kSizeMin, txtSizeMin, true},
    {{{txtSizeMin, "30"}, {txtSizeMax, "401"}}, "Maximum font size must be a number between 6 and 400.", txtSizeMax,
     true},
    {{{txtSizeMax, "20"}}, "Maximum font size must be greater than or equal to the minimum.", txtSizeMax, false},
};

}  // namespace

using DialogSave = DialogTest;

TEST_F(DialogSave, EachCheckRefusesWithItsMessageStoresNothingAndPointsAtTheBox)
{
    const SettingsDialog dialog = LaunchAndOpen(KnownSettingsLines());
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.message + " " + refusal.typed.back().second.substr(0, 20));
        for (const auto& [box, text] : refusal.typed)
            ASSERT_TRUE(dialog.TypeInto(box, text));
        const auto selectionBefore = dialog.Selection(refusal.focused);
        dialog.Click(cmdSave);

        const auto box = WaitForMessageBox(*program, kActionTimeoutMs);
        ASSERT_TRUE(box.has_value()) << "no message";
        EXPECT_EQ(box->title, "Halcyra");
        EXPECT_EQ(box->text, refusal.message);
        EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
        ASSERT_TRUE(DismissMessageBox(*box));
        ASSERT_TRUE(dialog.BringToFront());

        EXPECT_TRUE(WaitUntil([&] { return dialog.Focused() == refusal.focused; }, kActionTimeoutMs));
        const int length = static_cast<int>(dialog.Text(refusal.focused).size());
        EXPECT_EQ(dialog.Selection(refusal.focused),
                  refusal.wholeTextSelected ? std::make_pair(0, length) : selectionBefore);
        EXPECT_EQ(SettingsText(), written);
        EXPECT_EQ(ReadRunValue("Halcyra"), std::nullopt);
        EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S')) << "the hotkeys stay unregistered";
    }

    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "1.4"));
    ASSERT_TRUE(dialog.TypeInto(txtIntMax, "3.5"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMin, std::string(20000, '0') + "12"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMax, "12"));
    SaveAndWaitClosed(dialog);
    auto expected = WithValue(KnownSettingsLines(), "IntervalMin", "1");
    expected = WithValue(expected, "IntervalMax", "4");
    expected = WithValue(expected, "FontSizeMin", "12");
    expected = WithValue(expected, "FontSizeMax", "12");
    EXPECT_EQ(CrLfLines(SettingsText()), expected) << "rounded half to even; equal minimum and maximum pass";
}

TEST_F(DialogSave, SaveStoresEveryControlRestartsTheCountdownRegistersTheHotkeysAndWritesTheRunEntry)
{
    // One page up the bar from 129 gives 145, 56.9%: the label rounds it.
    std::vector<std::string> expected = WithValue(KnownSettingsLines(), "StartActive", "1");
    expected = WithValue(expected, "Opacity", "129");
    SettingsDialog dialog = LaunchAndOpen(expected);
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    const HWND flash = program->FlashWindow();
    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "1"));
    ASSERT_TRUE(dialog.TypeInto(txtIntMax, "1"));
    ASSERT_TRUE(dialog.TypeInto(txtDuration, "300"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMin, "25"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMax, "35"));
    const std::string font = dialog.ChooseFirstFont();
    for (SettingsControl box : {chkBold, chkRandomColor, chkAllMonitors, chkStartWindows, chkStartActive}) {
        dialog.Click(box);
        EXPECT_TRUE(WaitUntil([&] { return dialog.IsChecked(box) == (box != chkStartActive); }, kActionTimeoutMs))
            << box;
    }
    dialog.ClickOpacityBar(true);
    EXPECT_TRUE(WaitUntil([&] { return dialog.OpacityPosition() == 145; }, kActionTimeoutMs));
    EXPECT_TRUE(dialog.WaitForText(lblOpacity, "57%", kActionTimeoutMs));
    dialog.Click(cmdClrStart);
    ASSERT_TRUE(dialog.WaitForText(txtHkStart, "(none)", kActionTimeoutMs));
    for (SettingsControl box : {txtHkStart, txtHkStop}) {
        dialog.Click(box);
        PressChord({VK_CONTROL, VK_MENU, 'S'});
        EXPECT_TRUE(dialog.WaitForText(box, "Ctrl+Alt+S", kActionTimeoutMs)) << box;
    }
    PressChord({'S'});
    TypeText("abc");
    EXPECT_FALSE(WaitUntil([&] { return dialog.Text(txtHkStop) != "Ctrl+Alt+S"; }, 300))
        << "keys without a modifier change nothing";

    // Timed from the dialog's closing: the click itself waits for the pointer to arrive.
    SaveAndWaitClosed(dialog);
    const double saved = NowMs();
    const auto sightings = WatchFlashes(flash, 2600);
    ASSERT_GE(sightings.size(), 2u) << "one flash a second after Save, not after the old minute";
    EXPECT_NEAR(sightings[0].shownMs - saved, 1000, 300);
    EXPECT_NEAR(sightings[1].shownMs - sightings[0].shownMs, 1000, 150);

    const std::pair<std::string, std::string> values[] = {
        {"IntervalMin", "1"}, {"IntervalMax", "1"}, {"DurationMs", "300"}, {"FontName", font},
        {"FontSizeMin", "25"}, {"FontSizeMax", "35"}, {"Bold", "1"}, {"RandomColor", "1"},
        {"Opacity", "145"}, {"AllMonitors", "1"}, {"StartWithWindows", "1"}, {"StartActive", "0"},
        {"StopKey", "83"},
    };
    for (const auto& [key, value] : values)
        expected = WithValue(expected, key, value);
    EXPECT_EQ(CrLfLines(SettingsText()), expected);
    EXPECT_EQ(ReadRunValue("Halcyra"), "\"" + ExePath() + "\"");
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'X')) << "the old stop hotkey is gone";
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "one toggle hotkey";
    EXPECT_TRUE(MenuLooksLike(OpenTrayMenu(), ExpectedTrayMenu(false, "&Start\tCtrl+Alt+S", "S&top\tCtrl+Alt+S"),
                              "dialog-menu-toggle"));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));

    dialog = OpenByDoubleClick();
    EXPECT_EQ(dialog.Text(lblOpacity), "57%");
    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "2.5"));
    ASSERT_TRUE(dialog.TypeInto(txtIntMax, " 7 "));
    dialog.Click(chkStartWindows);
    ASSERT_TRUE(WaitUntil([&] { return !dialog.IsChecked(chkStartWindows); }, kActionTimeoutMs));
    SaveAndWaitClosed(dialog);
    expected = WithValue(expected, "IntervalMin", "2");
    expected = WithValue(expected, "IntervalMax", "7");
    expected = WithValue(expected, "StartWithWindows", "0");
    EXPECT_EQ(CrLfLines(SettingsText()), expected);
    EXPECT_EQ(ReadRunValue("Halcyra"), std::nullopt);
}
