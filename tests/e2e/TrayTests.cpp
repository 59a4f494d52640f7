#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Menus.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

#include <filesystem>

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
const std::string kMessage = "Stay calm";
const std::string kStart = "&Start\tCtrl+Alt+S";
const std::string kStop = "S&top\tCtrl+Alt+X";

// One message, one size, a fixed colour and half opacity, so that every flash can be
// predicted from outside.
std::string PredictableSettings(int durationMs)
{
    return CrLfText({"[Timing]", "IntervalMin=1", "IntervalMax=1", "DurationMs=" + std::to_string(durationMs),
                     "[Look]", "FontName=Arial", "FontSizeMin=30", "FontSizeMax=30", "Bold=1",
                     "Color=" + std::to_string(kYellow), "RandomColor=0", "Opacity=128", "AllMonitors=0",
                     "[General]", "StartWithWindows=0", "StartActive=0", "[Messages]", "Count=1", "M1=" + kMessage});
}

}  // namespace

using Tray = E2eTest;

TEST_F(Tray, TheMenuShowNowStartStopTheHotkeysATrayRestartAndExit)
{
    WriteSettings(PredictableSettings(300));
    const TrayIcon icon = LaunchToTray();
    EXPECT_EQ(icon.tip, "Halcyra - stopped");
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);

    const std::string otherAppData = root + "\\Second AppData";
    std::filesystem::create_directories(otherAppData);
    const Program second(ExePath(), otherAppData);
    EXPECT_TRUE(second.WaitForExit(5000)) << "a second launch must end by itself";
    EXPECT_TRUE(FolderListing(otherAppData).empty()) << "a second launch must not touch any settings";
    EXPECT_EQ(HalcyraIcons().size(), 1u);

    const HWND menu = OpenTrayMenu();
    const POINT cursor = CentreOf(icon.window);
    EXPECT_EQ(RectOf(menu).left, cursor.x);
    EXPECT_EQ(RectOf(menu).top, cursor.y);
    EXPECT_TRUE(MenuLooksLike(menu, ExpectedTrayMenu(false, kStart, kStop), "menu-stopped"));

    OpenTrayMenu();
    PressChord({'N'});
    auto sightings = WatchFlashes(flash, 2500);
    ASSERT_EQ(sightings.size(), 1u) << "Show one now flashes once while stopped";
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", 0));

    OpenTrayMenu();
    PressChord({'S'});
    const double started = NowMs();
    sightings = WatchFlashes(flash, 3600);
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", 0));
    ASSERT_EQ(sightings.size(), 3u) << "one flash a second, the first a second after Start";
    EXPECT_NEAR(sightings[0].shownMs - started, 1000, 200);
    const SIZE text = TextExtent(kMessage, "Arial", 30, true);
    for (size_t i = 0; i < sightings.size(); ++i) {
        SCOPED_TRACE("flash " + std::to_string(i + 1));
        if (i > 0) {
            EXPECT_NEAR(sightings[i].shownMs - sightings[i - 1].shownMs, 1000, 150);
        }
        const FlashSighting& seen = sightings[i];
        EXPECT_NEAR(seen.VisibleMs(), 300, 60);
        EXPECT_EQ(seen.exStyle & 0x080800A0, 0x080800A0);
        EXPECT_TRUE(seen.exStyle & WS_EX_TOPMOST);
        EXPECT_EQ(seen.colourKey, kMagenta);
        EXPECT_EQ(seen.alpha, 128);
        EXPECT_EQ(seen.layeredFlags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
        EXPECT_EQ(seen.rect.right - seen.rect.left, text.cx + 8);
        EXPECT_EQ(seen.rect.bottom - seen.rect.top, text.cy + 8);
    }

    // A restarted shell has no icons; it says so with the "TaskbarCreated" broadcast.
    RemoveTrayIcon(program->MainWindow(), 1);
    ASSERT_TRUE(WaitUntil([] { return HalcyraIcons().empty(); }, kActionTimeoutMs));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs)) << "back with its current tip";
    EXPECT_TRUE(MenuLooksLike(OpenTrayMenu(), ExpectedTrayMenu(true, kStart, kStop), "menu-running"));

    ChooseFromTrayMenu('T');
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));

    ExitFromTrayMenu();
    EXPECT_TRUE(WaitUntil([] { return HalcyraIcons().empty(); }, kActionTimeoutMs));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'X'));
}

TEST_F(Tray, AnEmptyMessageListFlashesNothingAndBreaksNothing)
{
    WriteSettings(CrLfText({"[Timing]", "IntervalMin=1", "IntervalMax=1", "[General]", "StartWithWindows=0",
                            "StartActive=1", "[Messages]", "Count=0"}));
    LaunchToTray();
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    const HWND flash = program->FlashWindow();
    ASSERT_NE(flash, nullptr);

    EXPECT_TRUE(WatchFlashes(flash, 2500).empty());
    ChooseFromTrayMenu('N');
    EXPECT_TRUE(WatchFlashes(flash, 700).empty());
    ChooseFromTrayMenu('T');
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs));
    ExitFromTrayMenu();
    EXPECT_EQ(program->ExitCode(), 0u);
}

TEST_F(Tray, ACombinationHeldElsewhereGivesOneWarningWithTheIconAlreadyThere)
{
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB002, MOD_CONTROL | MOD_ALT, 'S'));
    WriteSettings(PredictableSettings(4000));
    Launch();

    const auto box = WaitForMessageBox(*program, kStartTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "Halcyra");
    EXPECT_EQ(box->text, "These hotkeys could not be registered (probably already used by another program):"
                         "\r\n\r\n  Ctrl+Alt+S  (start)\r\n\r\nChoose different ones in Settings.");
    EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "the icon is there already";
    ASSERT_TRUE(DismissMessageBox(*box));
    EXPECT_FALSE(WaitForMessageBox(*program, 1000).has_value()) << "exactly one box";
    UnregisterHotKey(nullptr, 0xB002);

    ChooseFromTrayMenu('S');
    ASSERT_TRUE(WaitForHalcyraTip("Halcyra - running", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraTip("Halcyra - stopped", kActionTimeoutMs)) << "the other hotkey still works";

    const HWND flash = program->FlashWindow();
    ChooseFromTrayMenu('N');
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(flash); }, kActionTimeoutMs));
    const RECT area = RectOf(flash);
    const auto image = CaptureScreen(area);
    ASSERT_TRUE(IsWindowVisible(flash)) << "the capture must fall inside the display time";
    ASSERT_TRUE(image.has_value());
    SaveEvidence("flash-on-screen");
    EXPECT_GT(image->Count(kYellow), 100) << "the text is drawn in the configured colour, without blending";
    EXPECT_EQ(image->Count(kMagenta), 0) << "the key colour never reaches the screen";
}
