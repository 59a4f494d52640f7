#include "flash/win32/frmFlash.h"

#include "flash/FlashPlan.h"
#include "platform/win32/GdiScopes.h"
#include "platform/win32/Handles.h"
#include "tests/support/win32/Pump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

namespace {

constexpr LONG kFlashExStyles = WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE;
constexpr COLORREF kKey = 0xFF00FF;
constexpr COLORREF kNextToKey = 0xFF00FE;

void Show(frmFlash& flash, const char* text, int32_t color, int32_t opacity = 230)
{
    flash.ShowText(text, "Arial", 28, true, color, opacity, true);
    PumpMessages();
}

// A picture of width by height as paint leaves it on a 32-bit bitmap.
std::vector<COLORREF> Pixels(int width, int height, const std::function<void(HDC)>& paint)
{
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const UniqueBitmap bitmap(CreateBitmap(width, height, 1, 32, nullptr));
    const ScopedSelection selected(dc.get(), bitmap.get());
    paint(dc.get());
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(dc.get(), x, y));
    }
    return pixels;
}

// The client area as PrintWindow paints it.
std::vector<COLORREF> PixelsOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return Pixels(client.right, client.bottom, [&](HDC dc) { PrintWindow(window, dc, PW_CLIENTONLY); });
}

}  // namespace

TEST(FlashWindow, ShowsTopmostWithItsKeyAndAlphaButNeverTakesTheFocus)
{
    const HWND other = CreateWindowExA(0, "Static", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    // The window manager hands the focus over in its own time.
    for (int wait = 0; wait < 100 && GetForegroundWindow() != other; ++wait, Sleep(20))
        PumpMessages();
    ASSERT_EQ(GetForegroundWindow(), other);

    frmFlash flash(GetModuleHandleA(nullptr));
    const HWND window = flash.Handle();
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (kFlashExStyles | WS_EX_TOPMOST), kFlashExStyles);
    Show(flash, "", 0xFFFFFF);
    EXPECT_FALSE(IsWindowVisible(window));
    for (const auto& [opacity, alpha] : {std::pair<int32_t, BYTE>{0, 10}, {200, 200}}) {
        Show(flash, "Stay focused", 0xFFFFFF, opacity);
        EXPECT_TRUE(IsWindowVisible(window) && (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST));
        COLORREF key = 0;
        BYTE shownAlpha = 0;
        DWORD flags = 0;
        GetLayeredWindowAttributes(window, &key, &shownAlpha, &flags);
        EXPECT_EQ(std::tie(key, shownAlpha, flags),
                  std::make_tuple(kKey, alpha, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA)));
        EXPECT_EQ(GetForegroundWindow(), other);
    }
    DestroyWindow(other);
}

TEST(FlashWindow, EachShowLeavesOnlyItsOwnTextDrawnOnTheKey)
{
    frmFlash flash(GetModuleHandleA(nullptr));
    // The second pair has the same letters, so the window keeps its size between the two.
    const std::pair<const char*, const char*> pairs[] = {{"You are calm, really very calm", "Go"}, {"stay", "yats"}};
    for (const auto& [first, second] : pairs) {
        Show(flash, first, 0x0000FF);
        Show(flash, second, kKey);  // the key itself would not show
        const std::vector<COLORREF> pixels = PixelsOf(flash.Handle());
        const auto text = std::count(pixels.begin(), pixels.end(), kNextToKey);
        EXPECT_GT(text, 20) << second;
        EXPECT_EQ(text + std::count(pixels.begin(), pixels.end(), kKey), std::ssize(pixels)) << second;
    }
}

TEST(FlashWindow, TheTextSitsFourPixelsInAndStaysDrawnWhenHiddenOrWhenGivenNoText)
{
    frmFlash flash(GetModuleHandleA(nullptr));
    Show(flash, "Stay focused", 0x0000FF);
    const std::vector<COLORREF> shown = PixelsOf(flash.Handle());
    RECT client{};
    GetClientRect(flash.Handle(), &client);
    // The same text drawn here in the same font, 4 pixels in from the left and the top.
    const auto drawn = [&](HDC dc) {
        const FlashFont font = DescribeFlashFont("Arial", 28, true, GetDeviceCaps(dc, LOGPIXELSY));
        LOGFONTA description{};
        description.lfHeight = font.Height;
        description.lfWeight = font.Weight;
        description.lfCharSet = font.CharSet;
        description.lfQuality = font.Quality;
        std::memcpy(description.lfFaceName, font.FaceName.data(), sizeof description.lfFaceName);
        const UniqueFont made(CreateFontIndirectA(&description));
        const UniqueBrush key(CreateSolidBrush(kKey));
        FillRect(dc, &client, key.get());
        const ScopedSelection selected(dc, made.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, 0x0000FF);
        TextOutA(dc, 4, 4, "Stay focused", 12);
    };
    EXPECT_TRUE(shown == Pixels(client.right, client.bottom, drawn));
    flash.ShowText("", "Arial", 48, false, 0x00FF00, 230, true);
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(flash.Handle()));
    EXPECT_TRUE(PixelsOf(flash.Handle()) == shown) << "an empty text draws nothing";
    flash.HideNow();
    EXPECT_FALSE(IsWindowVisible(flash.Handle()));
    EXPECT_TRUE(PixelsOf(flash.Handle()) == shown) << "the picture is kept for the next show";
}
