#include "tests/e2e/driver/E2eTest.h"

#include <tuple>

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// One message, one size, a fixed colour and half opacity, a flash a second once started,
// so that every flash can be predicted from outside.
std::string PredictableSettings(int durationMs, bool startActive)
{
    return CrLfText({"[Timing]", "IntervalMin=1", "IntervalMax=1", "DurationMs=" + std::to_string(durationMs),
                     "[Look]", "FontName=Arial", "FontSizeMin=30", "FontSizeMax=30", "Bold=1",
                     "Color=" + std::to_string(kYellow), "RandomColor=0", "Opacity=128", "AllMonitors=0",
                     "[General]", "StartWithWindows=0", "StartActive=" + std::to_string(startActive), "[Messages]",
                     "Count=1", "M1=Stay calm"});
}

}  // namespace

using SingleInstance = E2eTest;

TEST_F(SingleInstance, ASecondLaunchEndsByItselfTouchingNoSettingsNoIconAndNoRunValue)
{
    WriteBytes(SettingsPath(), PredictableSettings(100, false));
    WriteRunValue("Halcyra", "left as it was");
    LaunchToTray();

    // An empty folder makes a first run, whose defaults would enter the program in the Run key.
    const std::string otherAppData = root + "\\Second AppData";
    std::filesystem::create_directories(otherAppData);
    const Program second(ExePath(), otherAppData);
    EXPECT_TRUE(second.WaitForExit(5000));
    EXPECT_TRUE(std::filesystem::is_empty(otherAppData));
    EXPECT_EQ(HalcyraIcons().size(), 1u);
    EXPECT_EQ(ReadRunValue("Halcyra"), "left as it was");
}

using Tray = E2eTest;

TEST_F(Tray, TheMenuOpensAtTheCursorItsLettersChooseTheShellsRestartKeepsTheTipAndExitEndsWithZero)
{
    WriteBytes(SettingsPath(), PredictableSettings(100, false));
    const HWND icon = LaunchToTray();
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - stopped"));

    // Another process's menu cannot be read under Wine: that its items are there shows in
    // choosing them by their letters.
    const RECT menu = ChooseFromTrayMenu('S');
    EXPECT_EQ(menu.left, CentreOf(icon).x);
    EXPECT_EQ(menu.top, CentreOf(icon).y);
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - running"));

    // A restarted shell has no icons; it says so with the "TaskbarCreated" broadcast.
    RemoveTrayIcon(program->Window("HalcyraMain"));
    ASSERT_TRUE(PumpUntil([] { return HalcyraIcons().empty(); }, kActionTimeoutMs));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - running")) << "back with its current tip";
    ChooseFromTrayMenu('T');
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - stopped"));

    // Once the program has ended, the system has taken its icon away and freed its hotkeys
    // whatever it did itself: from outside only the end and its code show.
    ChooseFromTrayMenu('X');
    ASSERT_TRUE(program->WaitForExit(kActionTimeoutMs));
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(GetExitCodeProcess(program->process.get(), &exitCode) && exitCode == 0) << exitCode;
}

using Flash = E2eTest;

TEST_F(Flash, TheHotkeysStartAKeyedTopmostFlashEverySecondForItsDisplayTimeAndStopIt)
{
    WriteBytes(SettingsPath(), PredictableSettings(300, false));
    LaunchToTray();
    const HWND flash = program->Window("HalcyraFlash");

    PressChord({VK_CONTROL, VK_MENU, 'S'});
    const DWORD started = timeGetTime();
    const auto sightings = WatchFlashes(flash, 3600);
    ASSERT_EQ(sightings.size(), 3u) << "one flash a second, the first a second after the start";
    const SIZE text = TextExtent("Stay calm", "Arial", 30, true);
    for (size_t i = 0; i < sightings.size(); ++i) {
        const FlashSighting& seen = sightings[i];
        EXPECT_NEAR(seen.shownMs - (i ? sightings[i - 1].shownMs : started), 1000, i ? 150 : 200) << i;
        EXPECT_NEAR(seen.hiddenMs - seen.shownMs, 300, 60) << i;
        // Transparent to the mouse, a tool window, layered, never activated; and topmost.
        EXPECT_EQ(std::make_tuple(seen.exStyle & 0x080800A8, seen.colourKey, int{seen.alpha}, seen.layeredFlags,
                                  seen.rect.right - seen.rect.left, seen.rect.bottom - seen.rect.top),
                  std::make_tuple(0x080800A8, kMagenta, 128, DWORD{LWA_COLORKEY | LWA_ALPHA}, text.cx + 8, text.cy + 8))
            << i;
    }
    PressChord({VK_CONTROL, VK_MENU, 'X'});
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - stopped"));
}

using HotkeyWarning = E2eTest;

TEST_F(HotkeyWarning, OneBoxWithTheIconBehindItAndStartActiveFlashesOnlyOnceItIsClosed)
{
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB002, MOD_CONTROL | MOD_ALT, 'S'));
    WriteBytes(SettingsPath(), PredictableSettings(4000, true));
    program = std::make_unique<Program>(ExePath(), AppData());

    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (box = program->Window("#32770")) && IsWindowVisible(box); }, kStartTimeoutMs));
    EXPECT_EQ(TextOf(box), "Halcyra");
    // 0xFFFF is the id of the text in the system's message box.
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)),
              "These hotkeys could not be registered (probably already used by another program):"
              "\r\n\r\n  Ctrl+Alt+S  (start)\r\n\r\nChoose different ones in Settings.");
    const HWND flash = program->Window("HalcyraFlash");
    EXPECT_TRUE(WatchFlashes(flash, 1500).empty()) << "a flash while the box is open";
    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - stopped")) << "the icon is behind the box, stopped";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    UnregisterHotKey(nullptr, 0xB002);

    EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, "Halcyra - running"));
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(flash); }, kActionTimeoutMs));
    const auto pixels = CaptureScreen(RectOf(flash));
    ASSERT_TRUE(IsWindowVisible(flash)) << "the capture must fall inside the display time";
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), kYellow), 100) << "the text in its colour, not blended";
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kMagenta), 0) << "the key colour never reaches the screen";
    EXPECT_TRUE(program->Windows("#32770").empty()) << "a second box";
}
