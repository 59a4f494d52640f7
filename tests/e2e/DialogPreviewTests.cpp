#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

#include <set>

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);  // the known settings' colour
constexpr COLORREF kRed = RGB(255, 0, 0);
const char* const kKnownMessages[] = {"First message", "Second one", "The third and longest message"};

// Types red into the system colour chooser's red, green and blue boxes and confirms it.
void ChooseRed(const Program& program)
{
    constexpr int kRedBox = 706, kGreenBox = 707, kBlueBox = 708;
    HWND chooser = nullptr;
    Require(WaitUntil(
                [&] {
                    for (HWND window : program.Windows("#32770"))
                        chooser = GetDlgItem(window, kRedBox) ? window : chooser;
                    return chooser != nullptr;
                },
                kActionTimeoutMs),
            "the colour chooser did not open");
    WaitForKeyboard(chooser, kActionTimeoutMs);  // settles only; see Input.h
    for (const auto& [id, value] : {std::pair{kRedBox, "255"}, {kGreenBox, "0"}, {kBlueBox, "0"}}) {
        const HWND box = GetDlgItem(chooser, id);
        LeftClickAt(CentreOf(box));
        PressChord({VK_HOME});
        PressChord({VK_SHIFT, VK_END});
        TypeText(value);
        Require(WaitUntil([&] { return ContentOf(box) == value; }, kActionTimeoutMs),
                "the chooser's box " + std::to_string(id) + " shows \"" + ContentOf(box) + "\"");
    }
    LeftClickAt(CentreOf(GetDlgItem(chooser, IDOK)));
    Require(WaitUntil([&] { return !IsWindow(chooser); }, kActionTimeoutMs), "the colour chooser did not close");
}

// The width of the next flash, once it has shown and gone again.
std::optional<LONG> NextFlashWidth(HWND flash)
{
    if (!WaitUntil([&] { return IsWindowVisible(flash); }, kActionTimeoutMs))
        return std::nullopt;
    const RECT rect = RectOf(flash);
    if (!WaitUntil([&] { return !IsWindowVisible(flash); }, kActionTimeoutMs))
        return std::nullopt;
    return rect.right - rect.left;
}

}  // namespace

using DialogPreview = DialogTest;

TEST_F(DialogPreview, PreviewFlashesWithTheUnsavedLookAndCancelKeepsEverything)
{
    SettingsDialog dialog = LaunchAndOpen(KnownSettingsLines());
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);
    ASSERT_TRUE(dialog.TypeInto(txtSizeMin, "20"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMax, "20"));
    ASSERT_TRUE(dialog.TypeInto(txtDuration, "50"));
    const std::string knownFont = dialog.SelectedFont();
    std::set<std::string> seen;
    for (int i = 0; i < 24; ++i) {
        dialog.Click(cmdPreview);
        const auto width = NextFlashWidth(flash);
        ASSERT_TRUE(width.has_value());
        bool known = false;
        for (const char* message : kKnownMessages) {
            if (*width == TextExtent(message, knownFont, 20, false).cx + 8) {
                seen.insert(message);
                known = true;
            }
        }
        EXPECT_TRUE(known) << "a flash as wide as none of the messages";
    }
    EXPECT_EQ(seen.size(), 3u) << "24 previews without a selection show all three messages";

    dialog.Click(picColor);
    ChooseRed(*program);
    dialog.ClickMessage(1);
    ASSERT_TRUE(dialog.TypeInto(txtSizeMin, "24"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMax, "24"));
    ASSERT_TRUE(dialog.TypeInto(txtDuration, "400"));
    dialog.Click(chkBold);
    const std::string font = dialog.ChooseFirstFont();
    dialog.ClickOpacityBar(false);
    ASSERT_TRUE(WaitUntil([&] { return dialog.OpacityPosition() == 112; }, kActionTimeoutMs));
    dialog.Click(cmdPreview);
    const auto sightings = WatchFlashes(flash, 1500);
    ASSERT_EQ(sightings.size(), 1u);
    const SIZE text = TextExtent("Second one", font, 24, true);
    EXPECT_EQ(sightings[0].rect.right - sightings[0].rect.left, text.cx + 8);
    EXPECT_EQ(sightings[0].rect.bottom - sightings[0].rect.top, text.cy + 8);
    EXPECT_EQ(sightings[0].alpha, 112);
    EXPECT_NEAR(sightings[0].VisibleMs(), 400, 60);

    ASSERT_TRUE(dialog.TypeInto(txtDuration, "3000"));
    dialog.Click(cmdPreview);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(flash); }, kActionTimeoutMs));
    const auto image = CaptureScreen(RectOf(flash));
    ASSERT_TRUE(image.has_value());
    EXPECT_GT(image->Count(kRed), 100) << "drawn in the colour just chosen";
    EXPECT_EQ(image->Count(kYellow), 0);

    ASSERT_TRUE(dialog.TypeInto(txtDuration, "50"));
    for (int i = 0; i < 3; ++i) {
        dialog.ClickMessage(0);
        dialog.Click(cmdRemove);
    }
    ASSERT_TRUE(WaitUntil([&] { return dialog.MessageCount() == 0 && !IsWindowVisible(flash); }, 5000));
    dialog.Click(cmdPreview);
    EXPECT_EQ(NextFlashWidth(flash), TextExtent("Preview message", font, 24, true).cx + 8);
    EXPECT_TRUE(program->Windows("#32770").empty()) << "no message box";

    ASSERT_TRUE(dialog.TypeInto(txtIntMin, "2"));
    dialog.Click(chkStartWindows);
    dialog.Click(cmdCancel);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }, kActionTimeoutMs));
    EXPECT_EQ(SettingsText(), written);
    EXPECT_EQ(ReadRunValue("Halcyra"), std::nullopt);
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs)) << "the old start hotkey is back";
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "the old stop hotkey is back";
    dialog = OpenByDoubleClick();
    EXPECT_EQ(dialog.Text(txtIntMin), "60");
    EXPECT_EQ(dialog.MessageCount(), 3);
}
