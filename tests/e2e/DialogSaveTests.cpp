#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/FlashWatch.h"
#include "tests/e2e/driver/IniLines.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/MessageBoxes.h"
#include "tests/e2e/driver/RunKey.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

namespace {

struct Refusal {
    std::vector<std::pair<SettingsControl, std::string>> typed;  // in this order
    std::string message;
    SettingsControl focused;
    bool wholeTextSelected;  // else the selection is left as it was
};

// Each step leaves the earlier boxes valid, so that the next check is the one that fails.
const Refusal kRefusals[] = {
    {{{txtIntMin, "0.6"}}, "Minimum interval must be a number between 1 and 86400.", txtIntMin, true},
    {{{txtIntMin, "60"}, {txtIntMax, "86401"}},
     "Maximum interval must be a number between 1 and 86400.", txtIntMax, true},
    {{{txtIntMin, "30"}, {txtIntMax, "20"}},
     "Maximum interval must be greater than or equal to the minimum.", txtIntMax, false},
    {{{txtIntMax, "30"}, {txtDuration, ""}}, "Display time must be a number between 10 and 10000.", txtDuration, true},
    {{{txtDuration, "250"}, {txtSizeMin, "abc"}},
     "Minimum font size must be a number between 6 and 400.", txtSizeMin, true},
    {{{txtSizeMin, "30"}, {txtSizeMax, "401"}},
     "Maximum font size must be a number between 6 and 400.", txtSizeMax, true},
    {{{txtSizeMax, "20"}}, "Maximum font size must be greater than or equal to the minimum.", txtSizeMax, false},
};

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

using DialogSave = DialogTest;

TEST_F(DialogSave, EachCheckRefusesWithItsMessageStoresNothingAndPointsAtTheBox)
{
    // Seen before the program runs, so that the driver's own boxes take no focus from it.
    const auto exclamation = SystemIconOnScreen(MB_ICONEXCLAMATION);
    const auto information = SystemIconOnScreen(MB_ICONINFORMATION);
    ASSERT_TRUE(exclamation.has_value() && information.has_value() && exclamation != information);
    const SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    bool iconCompared = false;
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.message);
        for (const auto& [box, text] : refusal.typed)
            ASSERT_TRUE(dialog.TypeInto(box, text));
        const auto selectionBefore = dialog.Selection(refusal.focused);
        dialog.Click(cmdSave);

        const auto box = WaitForMessageBox(*program, kActionTimeoutMs);
        ASSERT_TRUE(box.has_value()) << "no message";
        EXPECT_EQ(box->title, "Halcyra");
        EXPECT_EQ(box->text, refusal.message);
        EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
        if (!iconCompared) {
            SaveEvidence("dialog-refusal");
            EXPECT_EQ(IconOnScreen(*box), exclamation) << "the exclamation icon";
            iconCompared = true;
        }
        ASSERT_TRUE(DismissMessageBox(*box));
        ASSERT_TRUE(dialog.BringToFront());

        EXPECT_TRUE(WaitUntil([&] { return dialog.Focused() == refusal.focused; }, kActionTimeoutMs));
        const int length = static_cast<int>(dialog.Text(refusal.focused).size());
        EXPECT_EQ(dialog.Selection(refusal.focused),
                  refusal.wholeTextSelected ? std::make_pair(0, length) : selectionBefore);
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(SettingsText(), written);
        EXPECT_EQ(ReadRunValue("Halcyra"), std::nullopt);
        EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S')) << "the hotkeys stay unregistered";
    }

    ASSERT_TRUE(dialog.TypeInto(txtSizeMax, "30"));
    SaveAndWaitClosed(dialog);
    auto expected = WithValue(KnownSettingsLines(), "IntervalMin", "30");
    expected = WithValue(expected, "IntervalMax", "30");
    expected = WithValue(expected, "FontSizeMax", "30");
    EXPECT_EQ(CrLfLines(SettingsText()), expected) << "equal minimum and maximum pass";
}

TEST_F(DialogSave, SaveStoresEveryControlRoundingHalvesToEvenAndWritesOrRemovesTheRunEntry)
{
    SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "1.4"));
    ASSERT_TRUE(dialog.TypeInto(txtIntMax, " 7 "));
    ASSERT_TRUE(dialog.TypeInto(txtDuration, "300"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMin, "25"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMax, "35"));
    dialog.Click(cboFont);
    PressChord({VK_HOME});
    PressChord({VK_RETURN});
    const std::string firstFont = dialog.Fonts().front();
    ASSERT_TRUE(WaitUntil([&] { return dialog.SelectedFont() == firstFont; }, kActionTimeoutMs));
    for (SettingsControl box : {chkBold, chkRandomColor, chkAllMonitors, chkStartWindows, chkStartActive}) {
        dialog.Click(box);
        EXPECT_TRUE(WaitUntil([&] { return dialog.IsChecked(box); }, kActionTimeoutMs)) << box;
    }
    const HWND bar = dialog.Control(hsbOpacity);
    LeftClickAt(RightArrowOf(bar));
    EXPECT_TRUE(WaitUntil([&] { return dialog.OpacityPosition() == 129; }, kActionTimeoutMs));
    EXPECT_TRUE(dialog.WaitForText(lblOpacity, "51%", kActionTimeoutMs));
    LeftClickAt(RightTroughOf(bar));
    EXPECT_TRUE(WaitUntil([&] { return dialog.OpacityPosition() == 145; }, kActionTimeoutMs));
    EXPECT_TRUE(dialog.WaitForText(lblOpacity, "57%", kActionTimeoutMs));
    SaveEvidence("dialog-before-save", RectOf(dialog.Window()));
    SaveAndWaitClosed(dialog);

    const std::pair<std::string, std::string> saved[] = {
        {"IntervalMin", "1"},  {"IntervalMax", "7"},  {"DurationMs", "300"},  {"FontName", firstFont},
        {"FontSizeMin", "25"}, {"FontSizeMax", "35"}, {"Bold", "1"},          {"RandomColor", "1"},
        {"Opacity", "145"},    {"AllMonitors", "1"},  {"StartWithWindows", "1"}, {"StartActive", "1"},
    };
    std::vector<std::string> expected = KnownSettingsLines();
    for (const auto& [key, value] : saved)
        expected = WithValue(expected, key, value);
    EXPECT_EQ(CrLfLines(SettingsText()), expected);
    EXPECT_EQ(ReadRunValue("Halcyra"), Quoted(sandbox.ExePath()));
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", 0)) << "saving does not start the flashing";

    dialog = OpenByDoubleClick();
    EXPECT_EQ(dialog.Text(txtIntMin), "1");
    EXPECT_EQ(dialog.Text(txtIntMax), "7");
    EXPECT_EQ(dialog.Text(lblOpacity), "57%");
    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "2.5"));
    ASSERT_TRUE(dialog.TypeInto(txtIntMax, "3.5"));
    dialog.Click(chkStartWindows);
    ASSERT_TRUE(WaitUntil([&] { return !dialog.IsChecked(chkStartWindows); }, kActionTimeoutMs));
    SaveAndWaitClosed(dialog);

    expected = WithValue(expected, "IntervalMin", "2");
    expected = WithValue(expected, "IntervalMax", "4");
    expected = WithValue(expected, "StartWithWindows", "0");
    EXPECT_EQ(CrLfLines(SettingsText()), expected);
    EXPECT_EQ(ReadRunValue("Halcyra"), std::nullopt);
}

TEST_F(DialogSave, SavingWhileActiveStartsAFreshCountdownWithTheNewInterval)
{
    auto lines = WithValue(KnownSettingsLines(), "StartActive", "1");
    lines = WithValue(lines, "IntervalMin", "60");
    lines = WithValue(lines, "IntervalMax", "60");
    const SettingsDialog dialog = LaunchAndOpen(JoinLines(lines));
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);
    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "1"));
    ASSERT_TRUE(dialog.TypeInto(txtIntMax, "1"));

    const double saved = NowMs();
    SaveAndWaitClosed(dialog);
    const auto sightings = WatchFlashes(flash, 2600);

    ASSERT_GE(sightings.size(), 2u) << "one flash a second after Save, not after the old minute";
    EXPECT_NEAR(sightings[0].shownMs - saved, 1000, 300);
    EXPECT_NEAR(sightings[1].shownMs - sightings[0].shownMs, 1000, 150);
}

TEST_F(DialogSave, CancelAndTheCloseBoxKeepEverythingAndRegisterTheOldHotkeysAgain)
{
    SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S')) << "no hotkeys while the dialog is open";
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'X'));
    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "2"));
    ASSERT_TRUE(dialog.TypeInto(txtNewMsg, "Not kept"));
    dialog.Click(cmdAdd);
    dialog.Click(chkStartWindows);
    dialog.Click(cmdClrStart);
    ASSERT_TRUE(dialog.WaitForText(txtHkStart, "(none)", kActionTimeoutMs));
    ASSERT_TRUE(WaitUntil([&] { return dialog.MessageCount() == 4; }, kActionTimeoutMs));
    dialog.Click(cmdCancel);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }, kActionTimeoutMs));

    EXPECT_EQ(SettingsText(), written);
    EXPECT_EQ(ReadRunValue("Halcyra"), std::nullopt);
    EXPECT_TRUE(program->VisibleDialogs().empty());
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs)) << "the old start hotkey is back";

    dialog = OpenByDoubleClick();
    EXPECT_EQ(dialog.Text(txtIntMin), "60");
    EXPECT_EQ(dialog.MessageCount(), 3);
    EXPECT_EQ(dialog.Text(txtHkStart), "Ctrl+Alt+S");
    dialog.Click(cmdClrStop);
    ASSERT_TRUE(dialog.WaitForText(txtHkStop, "(none)", kActionTimeoutMs));
    PressChord({VK_MENU, VK_F4});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }, kActionTimeoutMs)) << "the close box closes it";

    EXPECT_EQ(SettingsText(), written);
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "the old stop hotkey is back";
}
