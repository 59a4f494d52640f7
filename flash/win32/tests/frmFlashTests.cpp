#include "flash/win32/frmFlash.h"

#include "flash/FlashPlan.h"
#include "flash/win32/tests/FlashResources.h"
#include "platform/win32/GdiScopes.h"
#include "platform/win32/Handles.h"
#include "tests/support/win32/Pump.h"
#include "tests/support/win32/ScriptedDpi.h"

#include <gtest/gtest.h>

// The window's client area as PrintWindow paints it, or as paint draws it on a bitmap of its size.
static std::vector<COLORREF> Pixels(HWND window, const std::function<void(HDC, const RECT&)>& paint = {}) {
    RECT client{};
    GetClientRect(window, &client);
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const UniqueBitmap bitmap(CreateBitmap(client.right, client.bottom, 1, 32, nullptr));
    const ScopedSelection selected(dc.get(), bitmap.get());
    paint ? paint(dc.get(), client) : void(PrintWindow(window, dc.get(), PW_CLIENTONLY));
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(GetPixel(dc.get(), x, y));
    return pixels;
}

TEST(FlashWindow, FloatsKeyedAboveTheActiveWindowAndShowsOnlyItsLatestTextFourPixelsIn) {
    const HWND other = CreateWindowExA(0, "Static", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    // The window manager hands the focus over in its own time.
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other; }));
    frmFlash flash(GetModuleHandleA(nullptr));
    const HWND window = flash.Handle();
    // The same letters as the text after it, so that the window keeps its size and must be
    // cleared; Cyrillic among them, which only the wide text calls draw.
    ASSERT_TRUE(flash.PrepareText("\xD0\x9C\xD0\xB8\xD1\x80 Stay", "Arial", 28, true, 0x00FF00, 100, true));
    flash.ShowPrepared();
    ASSERT_TRUE(flash.PrepareText("Stay \xD0\x9C\xD0\xB8\xD1\x80", "Arial", 28, true, 0x0000FF, 200, true));
    EXPECT_FALSE(IsWindowVisible(window)) << "drawn while hidden";
    flash.ShowPrepared();
    PumpMessages();
    std::tuple<COLORREF, BYTE, DWORD> layered;
    GetLayeredWindowAttributes(window, &std::get<0>(layered), &std::get<1>(layered), &std::get<2>(layered));
    const LONG styles = WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    EXPECT_EQ(std::tuple(GetWindowLongA(window, GWL_EXSTYLE) & styles, layered, GetForegroundWindow()),
              std::tuple(styles, std::tuple(0xFF00FF, 200, LWA_COLORKEY | LWA_ALPHA), other));
    // The text drawn here in the same font, 4 pixels in from the left and the top.
    const auto drawn = [](HDC dc, const RECT& client) {
        const FlashFont font = DescribeFlashFont("Arial", 28, true, GetDeviceCaps(dc, LOGPIXELSY));
        LOGFONTW description{};
        std::tie(description.lfHeight, description.lfWeight, description.lfCharSet, description.lfQuality) =
            std::tuple(font.Height, font.Weight, font.CharSet, font.Quality);
        std::copy(font.FaceName.begin(), font.FaceName.end(), description.lfFaceName);
        const UniqueFont made(CreateFontIndirectW(&description));
        const UniqueBrush key(CreateSolidBrush(0xFF00FF));
        FillRect(dc, &client, key.get());
        const ScopedSelection selected(dc, made.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, 0x0000FF);
        TextOutW(dc, 4, 4, L"Stay \u041C\u0438\u0440", 8);
        SIZE text{};
        GetTextExtentPoint32W(dc, L"Stay \u041C\u0438\u0440", 8, &text);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(text.cx + 8, text.cy + 8)) << "4 pixels all round";
    };
    const std::vector<COLORREF> shown = Pixels(window);
    EXPECT_TRUE(shown == Pixels(window, drawn));
    EXPECT_FALSE(flash.PrepareText("", "Arial", 48, false, 0x00FF00, 230, true));
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(window) && Pixels(window) == shown) << "an empty text draws nothing";
    flash.HideNow();
    EXPECT_TRUE(!IsWindowVisible(window) && Pixels(window) == shown) << "the picture is kept for the next show";
    DestroyWindow(other);
}

// A screen of 1280 x 1024 pixels, the primary and the only one.
static int WINAPI SmallScreen(int index) {
    switch (index) {
    case SM_CXSCREEN: case SM_CXVIRTUALSCREEN: return 1280;
    case SM_CYSCREEN: case SM_CYVIRTUALSCREEN: return 1024;
    default: return 0;
    }
}

TEST(FlashWindow, MakesItsTextForItsMonitorsDpiAndBreaksATextWiderThanItsAreaIntoLinesWhollyInsideIt) {
    FlashCalls calls;
    calls.systemMetric = &SmallScreen;
    calls.monitorDpi = &ScriptedMonitorDpi;
    frmFlash flash(GetModuleHandleA(nullptr), false, calls);
    // The window's height: the text's height, which scales with the DPI, and the margin, which does not.
    const auto heightAt = [&](UINT dpi) {
        scriptedDpi = dpi;
        EXPECT_TRUE(flash.PrepareText("Crisp", "Arial", 40, false, 0xFFFFFF, 255, false));
        RECT r{};
        GetWindowRect(flash.Handle(), &r);
        return r.bottom - r.top - 8;
    };
    const LONG at96 = heightAt(96);
    EXPECT_NEAR(heightAt(144), 3 * at96 / 2, 2);
    scriptedDpi = 96;
    std::string sentence;
    while (sentence.size() < 300)
        sentence += "Every long sentence deserves to be read to its very end. ";
    ASSERT_TRUE(flash.PrepareText(sentence, "Arial", 48, true, 0xFFFFFF, 255, true));
    RECT r{};
    GetWindowRect(flash.Handle(), &r);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 1280 && r.bottom <= 1024) << r.right << " " << r.bottom;
    EXPECT_GT(r.bottom - r.top, 2 * 64) << "several lines of 48 points at 96 dots per inch";
}

TEST(FlashWindow, ManyShowsLeaveGdiObjectsAndMemoryWhereTheyWere) {
    frmFlash flash(GetModuleHandleA(nullptr));
    for (int i = 0; i < 100; ++i)
        ShowVaried(flash, i);
    const std::size_t objects = GdiObjectCount();
    const std::size_t memory = PrivateBytes();
    ASSERT_GT(objects, 0u) << "the GDI object count cannot be read here";
    for (int i = 0; i < 2000; ++i)
        ShowVaried(flash, i);
    EXPECT_EQ(GdiObjectCount(), objects);
    // A leaked image or font per call would cost tens of megabytes; allow the allocator its noise.
    EXPECT_LT(PrivateBytes(), memory + 4 * 1024 * 1024);
}
