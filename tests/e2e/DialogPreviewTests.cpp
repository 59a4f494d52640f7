#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/FlashWatch.h"
#include "tests/e2e/driver/Focus.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Tray.h"
#include "tests/e2e/driver/Wait.h"

#include <set>

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);  // the known settings' colour
constexpr COLORREF kRed = RGB(255, 0, 0);

// The system colour chooser's boxes for red, green and blue.
constexpr int kRedBox = 706, kGreenBox = 707, kBlueBox = 708;

HWND ColourChooser(const Program& program)
{
    for (HWND window : program.VisibleDialogs()) {
        if (GetDlgItem(window, kRedBox))
            return window;
    }
    return nullptr;
}

// Types a colour into the chooser's red, green and blue boxes and confirms or cancels it.
void UseColourChooser(const Program& program, COLORREF colour, int button)
{
    HWND chooser = nullptr;
    Require(WaitUntil([&] { return (chooser = ColourChooser(program)) != nullptr; }, kActionTimeoutMs),
            "the colour chooser did not open");
    WaitForKeyboard(chooser, kActionTimeoutMs);  // settles only; see Focus.h
    const std::pair<int, int> boxes[] = {
        {kRedBox, GetRValue(colour)}, {kGreenBox, GetGValue(colour)}, {kBlueBox, GetBValue(colour)}};
    for (const auto& [id, value] : boxes) {
        const HWND box = GetDlgItem(chooser, id);
        LeftClickAt(CentreOf(box));
        PressChord({VK_HOME});
        PressChord({VK_SHIFT, VK_END});
        TypeText(std::to_string(value));
        Require(WaitUntil([&] { return ContentOf(box) == std::to_string(value); }, kActionTimeoutMs),
                "the chooser's box " + std::to_string(id) + " shows \"" + ContentOf(box) + "\", not " +
                    std::to_string(value));
    }
    LeftClickAt(CentreOf(GetDlgItem(chooser, button)));
    Require(WaitUntil([&] { return !IsWindow(chooser); }, kActionTimeoutMs), "the colour chooser did not close");
}

COLORREF SwatchColour(const SettingsDialog& dialog)
{
    const POINT centre = CentreOf(dialog.Control(picColor));
    const auto pixel = CaptureScreen({centre.x, centre.y, centre.x + 1, centre.y + 1});
    Require(pixel.has_value(), "the swatch could not be captured");
    return pixel->Pixel(0, 0);
}

int CountPixels(const Image& image, COLORREF colour)
{
    int count = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            count += image.Pixel(x, y) == colour;
    }
    return count;
}

// The rectangle of the next flash, once it has shown and gone again.
std::optional<RECT> NextFlash(HWND flash)
{
    if (!WaitUntil([&] { return IsWindowVisible(flash); }, kActionTimeoutMs))
        return std::nullopt;
    const RECT rect = RectOf(flash);
    if (!WaitUntil([&] { return !IsWindowVisible(flash); }, kActionTimeoutMs))
        return std::nullopt;
    return rect;
}

LONG WidthOf(const RECT& rect) { return rect.right - rect.left; }

}  // namespace

using DialogPreview = DialogTest;

TEST_F(DialogPreview, PreviewFlashesTheSelectedMessageWithTheUnsavedLookAndStoresNothing)
{
    SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);
    ASSERT_EQ(SwatchColour(dialog), kYellow);
    dialog.Click(picColor);
    UseColourChooser(*program, kRed, IDOK);
    EXPECT_EQ(SwatchColour(dialog), kRed);
    dialog.Click(picColor);
    UseColourChooser(*program, RGB(0, 0, 255), IDCANCEL);
    EXPECT_EQ(SwatchColour(dialog), kRed) << "a cancelled chooser changes nothing";

    dialog.ClickMessage(1);
    ASSERT_TRUE(dialog.TypeInto(txtSizeMin, "24"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMax, "24"));
    ASSERT_TRUE(dialog.TypeInto(txtDuration, "400"));
    dialog.Click(chkBold);
    dialog.Click(cboFont);
    PressChord({VK_HOME});
    PressChord({VK_RETURN});
    const std::string font = dialog.Fonts().front();
    ASSERT_TRUE(WaitUntil([&] { return dialog.SelectedFont() == font; }, kActionTimeoutMs));
    LeftClickAt(LeftTroughOf(dialog.Control(hsbOpacity)));
    ASSERT_TRUE(WaitUntil([&] { return dialog.OpacityPosition() == 112; }, kActionTimeoutMs));

    dialog.Click(cmdPreview);
    const auto sightings = WatchFlashes(flash, 1500);
    ASSERT_EQ(sightings.size(), 1u);
    const SIZE text = TextExtent("Second one", font, 24, true);
    EXPECT_EQ(WidthOf(sightings[0].rect), text.cx + 8);
    EXPECT_EQ(sightings[0].rect.bottom - sightings[0].rect.top, text.cy + 8);
    EXPECT_EQ(sightings[0].alpha, 112);
    EXPECT_NEAR(sightings[0].VisibleMs(), 400, 60);

    ASSERT_TRUE(dialog.TypeInto(txtDuration, "3000"));
    dialog.Click(cmdPreview);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(flash); }, kActionTimeoutMs));
    const auto image = CaptureScreen(RectOf(flash));
    SaveEvidence("dialog-preview");
    ASSERT_TRUE(image.has_value());
    EXPECT_GT(CountPixels(*image, kRed), 100) << "drawn in the colour just chosen";
    EXPECT_EQ(CountPixels(*image, kYellow), 0);

    dialog.Click(cmdCancel);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }, kActionTimeoutMs));
    EXPECT_EQ(SettingsText(), written);
    dialog = OpenByDoubleClick();
    EXPECT_EQ(SwatchColour(dialog), kYellow) << "the chosen colour was not kept";
}

TEST_F(DialogPreview, WithoutASelectionPreviewPicksAnyMessageOrSaysPreviewMessage)
{
    const SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);
    ASSERT_TRUE(dialog.TypeInto(txtSizeMin, "20"));
    ASSERT_TRUE(dialog.TypeInto(txtSizeMax, "20"));
    ASSERT_TRUE(dialog.TypeInto(txtDuration, "50"));
    const std::string font = dialog.SelectedFont();

    std::set<std::string> seen;
    for (int i = 0; i < 24; ++i) {
        dialog.Click(cmdPreview);
        const auto rect = NextFlash(flash);
        ASSERT_TRUE(rect.has_value());
        bool known = false;
        for (const char* message : {"First message", "Second one", "The third and longest message"}) {
            if (WidthOf(*rect) == TextExtent(message, font, 20, false).cx + 8) {
                seen.insert(message);
                known = true;
            }
        }
        EXPECT_TRUE(known) << "a flash as wide as none of the messages";
    }
    EXPECT_EQ(seen.size(), 3u) << "24 previews without a selection show all three messages";

    for (int i = 0; i < 3; ++i) {
        dialog.ClickMessage(0);
        dialog.Click(cmdRemove);
    }
    ASSERT_TRUE(WaitUntil([&] { return dialog.MessageCount() == 0; }, kActionTimeoutMs));
    dialog.Click(cmdPreview);
    const auto rect = NextFlash(flash);
    ASSERT_TRUE(rect.has_value());
    EXPECT_EQ(WidthOf(*rect), TextExtent("Preview message", font, 20, false).cx + 8);
    EXPECT_TRUE(program->VisibleDialogs().empty()) << "no message box";
    EXPECT_EQ(SettingsText(), written);
}
