#include "flash/frmFlash.h"

#include "flash/tests/FlashTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr LONG FlashExStyles = 0x080800A0;
constexpr COLORREF Key = 0xFF00FF;

class FlashWindow : public testing::Test {
protected:
    void TearDown() override { PumpMessages(); }

    HWND Window() const { return flash.Handle(); }
    LONG ExStyle() const { return GetWindowLongA(Window(), GWL_EXSTYLE); }

    void Show(const std::string& text, int32_t color = 0xFFFFFF, int32_t opacity = 230, bool allMonitors = true,
              int32_t size = 28, bool bold = true)
    {
        flash.ShowText(text, "Arial", size, bold, color, opacity, allMonitors);
        PumpMessages();
    }

    frmFlash flash{GetModuleHandleA(nullptr)};
};

// A plain window of our own that holds the focus while the flash window shows.
class ForegroundWindow {
public:
    ForegroundWindow()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "HalcyraFlashTestForeground";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, "foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  100, 100, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
        SetForegroundWindow(window_);
        WaitUntilForeground();
    }
    ~ForegroundWindow() { DestroyWindow(window_); }
    ForegroundWindow(const ForegroundWindow&) = delete;
    ForegroundWindow& operator=(const ForegroundWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    // The window manager hands the focus over asynchronously; give it up to two seconds.
    void WaitUntilForeground() const
    {
        const ULONGLONG deadline = GetTickCount64() + 2000;
        while (GetForegroundWindow() != window_ && GetTickCount64() < deadline) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            PumpMessages();
        }
    }

    HWND window_ = nullptr;
};

int CountPixels(const Picture& picture, COLORREF color)
{
    return static_cast<int>(std::count(picture.Pixels.begin(), picture.Pixels.end(), color));
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

bool Inside(const RECT& inner, int left, int top, int width, int height)
{
    return inner.left >= left && inner.top >= top && inner.right <= left + width && inner.bottom <= top + height;
}

}  // namespace

TEST_F(FlashWindow, IsCreatedHiddenBorderlessLayeredAndNotYetTopmost)
{
    ASSERT_TRUE(IsWindow(Window()));
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_EQ(ExStyle() & FlashExStyles, FlashExStyles);
    EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0);
    const LONG style = GetWindowLongA(Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);

    const LayeredAttributes attributes = LayeredAttributesOf(Window());
    EXPECT_EQ(attributes.Key, Key);
    EXPECT_EQ(attributes.Alpha, 255);
    EXPECT_EQ(attributes.Flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
}

TEST_F(FlashWindow, ShowsTopmostWithTheClampedOpacity)
{
    const std::pair<int32_t, BYTE> cases[] = {{0, 10}, {9, 10}, {10, 10}, {200, 200}, {255, 255}, {300, 255}};
    for (const auto& [opacity, alpha] : cases) {
        Show("Stay focused", 0xFFFFFF, opacity);
        EXPECT_TRUE(IsWindowVisible(Window()));
        EXPECT_NE(ExStyle() & WS_EX_TOPMOST, 0);
        const LayeredAttributes attributes = LayeredAttributesOf(Window());
        EXPECT_EQ(attributes.Key, Key);
        EXPECT_EQ(attributes.Alpha, alpha) << "opacity " << opacity;
        EXPECT_EQ(attributes.Flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
    }
    EXPECT_EQ(ExStyle() & FlashExStyles, FlashExStyles);
}

TEST_F(FlashWindow, NeverTakesTheFocus)
{
    const ForegroundWindow other;
    ASSERT_EQ(GetForegroundWindow(), other.Handle());
    for (int i = 0; i < 3; ++i)
        Show("You are calm");
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(GetForegroundWindow(), other.Handle());
    EXPECT_EQ(GetActiveWindow(), other.Handle());
}

TEST_F(FlashWindow, IsTheMeasuredTextPlusEightEachWay)
{
    const std::pair<int32_t, bool> fonts[] = {{28, false}, {48, true}, {6, false}};
    for (const auto& [size, bold] : fonts) {
        const std::string text = "You can do this";
        const Measured measured = MeasureAsFlash(text, "Arial", size, bold);
        ASSERT_FALSE(measured.Face.empty());
        ASSERT_GT(measured.Extent.cx, 0);
        Show(text, 0xFFFFFF, 230, true, size, bold);
        const RECT rect = WindowRectOf(Window());
        EXPECT_EQ(rect.right - rect.left, measured.Extent.cx + 8) << measured.Face << " " << size << " bold " << bold;
        EXPECT_EQ(rect.bottom - rect.top, measured.Extent.cy + 8) << measured.Face << " " << size << " bold " << bold;
    }
}

TEST_F(FlashWindow, LandsInsideTheAreaOrAtTheLeftEdgeOfIt)
{
    const int virtualLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int virtualTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    for (int i = 0; i < 20; ++i) {
        Show("Drink some water", 0xFFFFFF, 230, false);
        EXPECT_TRUE(Inside(WindowRectOf(Window()), 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
        Show("Drink some water", 0xFFFFFF, 230, true);
        EXPECT_TRUE(Inside(WindowRectOf(Window()), virtualLeft, virtualTop, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    }

    const std::string wide(60, 'W');
    const Measured measured = MeasureAsFlash(wide, "Arial", 200, true);
    ASSERT_GT(measured.Extent.cx + 8, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    Show(wide, 0xFFFFFF, 230, true, 200, true);
    const RECT rect = WindowRectOf(Window());
    EXPECT_EQ(rect.left, virtualLeft);
    EXPECT_EQ(rect.right - rect.left, measured.Extent.cx + 8);
}

TEST_F(FlashWindow, AnEmptyTextChangesNothing)
{
    flash.ShowText("", "Arial", 28, true, 0xFFFFFF, 230, true);
    EXPECT_FALSE(IsWindowVisible(Window()));

    Show("You are confident", 0x00FF00, 200);
    const RECT before = WindowRectOf(Window());
    const Picture picture = Capture(Window());
    ASSERT_GT(CountPixels(picture, 0x00FF00), 0);
    flash.ShowText("", "Arial", 48, false, 0x0000FF, 20, false);
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(SameRect(before, WindowRectOf(Window())));
    EXPECT_EQ(LayeredAttributesOf(Window()).Alpha, 200);
    EXPECT_EQ(Capture(Window()), picture);
}

TEST_F(FlashWindow, TextIsDrawnInItsColourInsideAKeyColouredMargin)
{
    const std::pair<int32_t, COLORREF> colours[] = {{0x3366CC, 0x3366CC}, {0xFF00FF, 0xFF00FE}, {0xFF00FE, 0xFF00FE}};
    for (const auto& [requested, drawn] : colours) {
        const std::string text = "Halcyra";
        Show(text, requested);
        const Measured measured = MeasureAsFlash(text, "Arial", 28, true);
        const Picture picture = Capture(Window());
        ASSERT_EQ(picture.Width, measured.Extent.cx + 8);
        ASSERT_EQ(picture.Height, measured.Extent.cy + 8);

        int textPixels = 0;
        int strayPixels = 0;
        for (int y = 0; y < picture.Height; ++y) {
            for (int x = 0; x < picture.Width; ++x) {
                const COLORREF pixel = picture.At(x, y);
                const bool inMargin = x < 4 || y < 4 || x >= picture.Width - 4 || y >= picture.Height - 4;
                if (pixel == drawn && !inMargin)
                    ++textPixels;
                else if (pixel != Key)
                    ++strayPixels;
            }
        }
        EXPECT_GT(textPixels, 50) << std::hex << requested;
        EXPECT_EQ(strayPixels, 0) << std::hex << requested;
    }
}

TEST_F(FlashWindow, TwoShowsInARowLeaveOnlyTheSecondText)
{
    // The second pair has the same letters, so the window keeps its size and its image.
    const std::pair<std::string, std::string> pairs[] = {{"You are calm, really very calm", "Go"}, {"stay", "yats"}};
    for (const auto& [first, second] : pairs) {
        Show(first, 0x0000FF);
        Show(second, 0x00FF00);
        frmFlash fresh(GetModuleHandleA(nullptr));
        fresh.ShowText(second, "Arial", 28, true, 0x00FF00, 230, true);
        PumpMessages();
        const Picture shown = Capture(Window());
        EXPECT_EQ(CountPixels(shown, 0x0000FF), 0) << first;
        EXPECT_GT(CountPixels(shown, 0x00FF00), 0) << second;
        EXPECT_EQ(shown, Capture(fresh.Handle())) << second;
        EXPECT_EQ(shown.Width, MeasureAsFlash(second, "Arial", 28, true).Extent.cx + 8) << second;
    }
}

TEST_F(FlashWindow, HideNowHidesButKeepsTheImageAndAttributes)
{
    Show("Stay focused", 0x00FFFF, 150);
    const Picture shown = Capture(Window());
    ASSERT_GT(CountPixels(shown, 0x00FFFF), 0);
    const RECT rect = WindowRectOf(Window());
    flash.HideNow();
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_EQ(Capture(Window()), shown);
    EXPECT_TRUE(SameRect(rect, WindowRectOf(Window())));
    EXPECT_EQ(LayeredAttributesOf(Window()).Alpha, 150);
    flash.HideNow();
    EXPECT_FALSE(IsWindowVisible(Window()));
}

TEST_F(FlashWindow, CloseDestroysTheWindowAndLaterCallsDoNothing)
{
    const HWND window = Window();
    Show("Bye");
    flash.Close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Window(), nullptr);
    flash.ShowText("Again", "Arial", 28, true, 0xFFFFFF, 230, true);
    flash.HideNow();
    flash.Close();
    EXPECT_EQ(Window(), nullptr);
}
