#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/FlashWatch.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
const std::string kMessage = "Stay calm";

// One message, one size, a fixed colour and half opacity, so that every flash can be
// predicted from outside.
std::string PredictableSettings(int durationMs, bool startActive)
{
    return IniText({"[Timing]", "IntervalMin=1", "IntervalMax=1", "DurationMs=" + std::to_string(durationMs),
                    "[Look]", "FontName=Arial", "FontSizeMin=30", "FontSizeMax=30", "Bold=1",
                    "Color=" + std::to_string(kYellow), "RandomColor=0", "Opacity=128", "AllMonitors=0",
                    "[General]", "StartWithWindows=0", std::string("StartActive=") + (startActive ? "1" : "0"),
                    "[Messages]", "Count=1", "M1=" + kMessage});
}

}  // namespace

using Flashing = E2eTest;

TEST_F(Flashing, StartedFromTheMenuAMessageFlashesEverySecondInAKeyedTopmostWindow)
{
    WriteSettings(PredictableSettings(300, false));
    LaunchToTray();
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);
    EXPECT_FALSE(IsWindowVisible(flash));

    OpenTrayMenu();
    PressChord({'S'});
    const double started = NowMs();
    const auto sightings = WatchFlashes(flash, 3600);
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", 0));

    ASSERT_EQ(sightings.size(), 3u) << "one flash a second, the first a second after Start";
    EXPECT_NEAR(sightings[0].shownMs - started, 1000, 200);
    const SIZE text = TextExtent(kMessage, "Arial", 30, true);
    for (size_t i = 0; i < sightings.size(); ++i) {
        const FlashSighting& seen = sightings[i];
        SCOPED_TRACE("flash " + std::to_string(i + 1));
        if (i > 0)
            EXPECT_NEAR(seen.shownMs - sightings[i - 1].shownMs, 1000, 150);
        EXPECT_NEAR(seen.VisibleMs(), 300, 60);
        EXPECT_EQ(seen.exStyle & 0x080800A0, 0x080800A0);
        EXPECT_TRUE(seen.exStyle & WS_EX_TOPMOST);
        EXPECT_EQ(seen.colourKey, kMagenta);
        EXPECT_EQ(seen.alpha, 128);
        EXPECT_EQ(seen.layeredFlags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
        EXPECT_EQ(seen.rect.right - seen.rect.left, text.cx + 8);
        EXPECT_EQ(seen.rect.bottom - seen.rect.top, text.cy + 8);
        EXPECT_GE(seen.rect.left, 0);
        EXPECT_GE(seen.rect.top, 0);
        EXPECT_LE(seen.rect.right, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_LE(seen.rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    }
}

TEST_F(Flashing, StartActiveFlashesFromTheLaunchOn)
{
    WriteSettings(PredictableSettings(300, true));
    LaunchToTray();
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);

    const auto sightings = WatchFlashes(flash, 2600);
    EXPECT_GE(sightings.size(), 2u);
}

TEST_F(Flashing, TheTextIsDrawnInItsColourInsideAKeyedMargin)
{
    WriteSettings(PredictableSettings(4000, false));
    LaunchToTray();
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);

    ChooseFromTrayMenu('N');
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(flash); }, kActionTimeoutMs));
    const RECT area = RectOf(flash);
    const auto image = CaptureScreen(area);
    ASSERT_TRUE(IsWindowVisible(flash)) << "the capture must fall inside the display time";
    ASSERT_TRUE(image.has_value());
    SaveEvidence("flash-on-screen");

    int textPixels = 0, marginTextPixels = 0, keyPixels = 0;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const COLORREF pixel = image->Pixel(x, y);
            const bool margin = x < 4 || y < 4 || x >= image->width - 4 || y >= image->height - 4;
            textPixels += pixel == kYellow;
            marginTextPixels += margin && pixel == kYellow;
            keyPixels += pixel == kMagenta;
        }
    }
    EXPECT_GT(textPixels, 100) << "the text is drawn in the configured colour, without blending";
    EXPECT_EQ(marginTextPixels, 0) << "the text starts 4 pixels in";
    EXPECT_EQ(keyPixels, 0) << "the key colour never reaches the screen";
}

TEST_F(Flashing, AnEmptyMessageListFlashesNothingAndBreaksNothing)
{
    WriteSettings(IniText({"[Timing]", "IntervalMin=1", "IntervalMax=1", "[General]", "StartWithWindows=0",
                           "StartActive=1", "[Messages]", "Count=0"}));
    LaunchToTray();
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);

    EXPECT_TRUE(WatchFlashes(flash, 2500).empty());
    OpenTrayMenu();
    PressChord({'N'});
    EXPECT_TRUE(WatchFlashes(flash, 700).empty());

    ChooseFromTrayMenu('T');
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
    ExitFromTrayMenu();
    EXPECT_EQ(program->ExitCode(), 0u);
}
