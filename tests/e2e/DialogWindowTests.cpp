#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

namespace {

struct Expected {
    SettingsControl id;
    const char* kind;  // window class; nullptr where any kind of box will do
    const char* text;
    RECT rect;  // x, y, right, bottom
};

constexpr RECT At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

const char kHint[] = "Paste several lines to add many at once (Ctrl+Enter adds). Select a message to edit it.";
const char kHkHint[] = "Click a box, then press the combo. Use the same combo for both to make it a toggle.";

// The known settings file shown in the controls, every control where it belongs.
const Expected kLayout[] = {
    {fraMessages, "Button", "Messages", At(8, 8, 289, 424)},
    {lstMessages, "ListBox", "", At(8, 20, 273, 264)},
    {txtNewMsg, "Edit", "", At(8, 288, 273, 49)},
    {cmdAdd, "Button", "Add", At(8, 344, 85, 25)},
    {cmdUpdate, "Button", "Update", At(100, 344, 85, 25)},
    {cmdRemove, "Button", "Remove", At(192, 344, 89, 25)},
    {lblMsgHint, "Static", kHint, At(8, 376, 273, 33)},
    {fraTiming, "Button", "Timing", At(304, 8, 289, 89)},
    {txtIntMin, "Edit", "60", At(128, 20, 49, 21)},
    {txtIntMax, "Edit", "90", At(216, 20, 49, 21)},
    {txtDuration, "Edit", "250", At(128, 50, 49, 21)},
    {lblIntMin, "Static", "Every (sec)   min", At(8, 22, 117, 17)},
    {lblIntMax, "Static", "max", At(184, 22, 29, 17)},
    {lblDuration, "Static", "Visible for (ms)", At(8, 52, 117, 17)},
    {lblDurNote, "Static", "e.g. 30 - 200", At(184, 52, 97, 17)},
    {fraLook, "Button", "Appearance", At(304, 104, 289, 156)},
    {cboFont, "ComboBox", "Liberation Serif", At(72, 20, 209, 21)},
    {txtSizeMin, "Edit", "30", At(72, 50, 41, 21)},
    {txtSizeMax, "Edit", "40", At(152, 50, 41, 21)},
    {chkBold, "Button", "Bold", At(200, 52, 81, 17)},
    {picColor, nullptr, "", At(72, 79, 41, 23)},
    {chkRandomColor, "Button", "Random colours", At(120, 82, 161, 17)},
    {hsbOpacity, "ScrollBar", "", At(72, 112, 161, 17)},
    {chkAllMonitors, "Button", "Use all monitors", At(8, 133, 273, 17)},
    {lblFont, "Static", "Font", At(8, 22, 57, 17)},
    {lblSize, "Static", "Size min", At(8, 52, 57, 17)},
    {lblSizeMax, "Static", "max", At(120, 52, 29, 17)},
    {lblColor, "Static", "Colour", At(8, 82, 57, 17)},
    {lblOpacityCap, "Static", "Opacity", At(8, 112, 57, 17)},
    {lblOpacity, "Static", "50%", At(240, 112, 41, 17)},
    {fraHotkeys, "Button", "System-wide hotkeys", At(304, 264, 289, 105)},
    {txtHkStart, "Edit", "Ctrl+Alt+S", At(72, 20, 161, 21)},
    {cmdClrStart, "Button", "Clear", At(240, 20, 41, 21)},
    {txtHkStop, "Edit", "Ctrl+Alt+X", At(72, 48, 161, 21)},
    {cmdClrStop, "Button", "Clear", At(240, 48, 41, 21)},
    {lblHkStart, "Static", "Start", At(8, 22, 57, 17)},
    {lblHkStop, "Static", "Stop", At(8, 50, 57, 17)},
    {lblHkHint, "Static", kHkHint, At(8, 74, 273, 26)},
    {fraGeneral, "Button", "General", At(304, 376, 289, 56)},
    {chkStartWindows, "Button", "Start with Windows", At(8, 16, 273, 17)},
    {chkStartActive, "Button", "Start showing messages as soon as it launches", At(8, 34, 273, 17)},
    {cmdPreview, "Button", "Preview", At(8, 440, 100, 28)},
    {cmdSave, "Button", "Save", At(400, 440, 89, 28)},
    {cmdCancel, "Button", "Cancel", At(504, 440, 89, 28)},
};

// Every control that takes the focus, in tab order and round to the first again; the
// swatch may take it or not.
const std::vector<SettingsControl> kTabStops = {
    lstMessages, txtNewMsg, cmdAdd, cmdUpdate, cmdRemove, txtIntMin, txtIntMax, txtDuration,
    cboFont, txtSizeMin, txtSizeMax, chkBold, chkRandomColor, hsbOpacity, chkAllMonitors,
    txtHkStart, cmdClrStart, txtHkStop, cmdClrStop, chkStartWindows, chkStartActive,
    cmdPreview, cmdSave, cmdCancel, lstMessages,
};

}  // namespace

using DialogWindow = DialogTest;

TEST_F(DialogWindow, EveryControlWhereTheLayoutPutsItInTabOrderOneDialogAndExitWithoutSaving)
{
    const SettingsDialog dialog = LaunchAndOpen(KnownSettingsLines());
    RECT size = {};
    GetClientRect(dialog.Window(), &size);
    EXPECT_EQ(TextOf(dialog.Window()), "Halcyra - Settings");
    EXPECT_EQ(size.right, 601);
    EXPECT_EQ(size.bottom, 476);
    SaveEvidence("dialog-open", RectOf(dialog.Window()));
    for (const Expected& control : kLayout) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        ASSERT_NE(dialog.Control(control.id), nullptr);
        if (control.kind) {
            EXPECT_EQ(ClassOf(dialog.Control(control.id)), control.kind);
        }
        EXPECT_EQ(dialog.Text(control.id), control.text);
        const RECT placed = dialog.Placement(control.id);
        RECT expected = control.rect;
        // A drop-down list is as high as its font makes it.
        if (control.id == cboFont)
            expected.bottom = placed.bottom;
        EXPECT_TRUE(EqualRect(&placed, &expected))
            << placed.left << "," << placed.top << "," << placed.right << "," << placed.bottom;
    }
    EXPECT_EQ(dialog.Messages(),
              (std::vector<std::string>{"First message", "Second one", "The third and longest message"}));
    EXPECT_EQ(dialog.SelectedFont(), "Liberation Serif");
    EXPECT_EQ(dialog.OpacityPosition(), 128);
    for (SettingsControl box : {chkBold, chkRandomColor, chkAllMonitors, chkStartWindows, chkStartActive})
        EXPECT_FALSE(dialog.IsChecked(box)) << box;

    std::vector<SettingsControl> visited;
    for (size_t presses = 0; visited.size() < kTabStops.size() && presses < 2 * kTabStops.size(); ++presses) {
        const auto focused = dialog.Focused();
        ASSERT_TRUE(focused.has_value());
        if (*focused != picColor)
            visited.push_back(*focused);
        PressChord({VK_TAB});
        WaitUntil([&] { return dialog.Focused() != focused; }, 500);
    }
    EXPECT_EQ(visited, kTabStops);

    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "42"));
    const HWND other = CreateWindowExA(0, "EDIT", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                       RectOf(dialog.Window()).left + 100, RectOf(dialog.Window()).top + 100, 300,
                                       200, nullptr, nullptr, nullptr, nullptr);
    LeftClickAt(CentreOf(other));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }, kActionTimeoutMs));
    // Opening waits until the dialog is in front again.
    EXPECT_EQ(OpenByDoubleClick().Window(), dialog.Window()) << "a second double click brings the same one";
    DestroyWindow(other);
    EXPECT_EQ(SettingsDialogs(false).size(), 1u);
    EXPECT_EQ(dialog.Text(txtIntMin), "42") << "the unsaved edit stays";

    // Should the closing dialog register the hotkeys, this one would fail and say so.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB003, MOD_CONTROL | MOD_ALT, 'S'));
    OpenTrayMenu();
    PressChord({'X'});
    EXPECT_FALSE(WaitForMessageBox(*program, 1000).has_value());
    EXPECT_TRUE(program->WaitForExit(kActionTimeoutMs));
    UnregisterHotKey(nullptr, 0xB003);
    EXPECT_EQ(SettingsText(), written);
}
