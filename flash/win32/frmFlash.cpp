#include "flash/win32/frmFlash.h"

#include "flash/win32/FlashImage.h"
#include "flash/FlashPlan.h"
#include "platform/win32/GdiScopes.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"
#include "settings/Settings.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

namespace {

constexpr char ClassName[] = "HalcyraFlash";
constexpr LONG FlashExStyles = WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE;
constexpr int TextInset = 4;

LOGFONTW ToLogFont(const FlashFont& font)
{
    LOGFONTW description{};
    description.lfHeight = font.Height;
    description.lfWeight = font.Weight;
    description.lfCharSet = font.CharSet;
    description.lfQuality = font.Quality;
    std::memcpy(description.lfFaceName, font.FaceName.data(), sizeof(description.lfFaceName));
    return description;
}

// The text APIs take an int count; a longer text is cut rather than wrapped negative.
int TextLength(const std::wstring& text)
{
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

SIZE MeasureText(HDC dc, HFONT font, const std::wstring& text)
{
    SIZE extent{0, 0};
    const ScopedSelection selected(dc, font);
    GetTextExtentPoint32W(dc, text.c_str(), TextLength(text), &extent);
    return extent;
}

void DrawFlashText(HDC dc, HFONT font, const std::wstring& text, int32_t color)
{
    const ScopedSelection selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(color));
    TextOutW(dc, TextInset, TextInset, text.c_str(), TextLength(text));
}

struct Placement {
    FlashPoint At;
    FlashSize Size;
};

// Everything before the window becomes visible: font, measuring, placement and drawing,
// all while the window is hidden. The font is deleted on return, before the window shows.
std::optional<Placement> DrawHidden(HWND window, FlashImage& image, const std::string& sText,
                                    const std::string& sFont, int32_t lSize, bool bBold, int32_t color,
                                    bool bAllMonitors)
{
    const HDC dc = image.DC();
    const LOGFONTW description = ToLogFont(DescribeFlashFont(sFont, lSize, bBold, GetDeviceCaps(dc, LOGPIXELSY)));
    const UniqueFont font(CreateFontIndirectW(&description));
    if (!font)
        return std::nullopt;
    const std::wstring text = Wide(sText);
    const SIZE extent = MeasureText(dc, font.get(), text);
    const FlashSize size = FlashWindowSize(extent.cx, extent.cy);
    const FlashArea area = FlashAreaFromMetrics(bAllMonitors, [](int32_t index) { return GetSystemMetrics(index); });
    const FlashPoint at = PlaceFlash(area, size);

    ShowWindow(window, SW_HIDE);
    MoveWindow(window, at.X, at.Y, size.Width, size.Height, FALSE);
    image.Clear();
    DrawFlashText(dc, font.get(), text, color);
    return Placement{at, size};
}

}  // namespace

frmFlash::frmFlash(HINSTANCE instance, bool hideFromCapture, SetAffinity setAffinity) : setAffinity_(setAffinity)
{
    image_ = std::make_unique<FlashImage>();
    Create(instance, Class{.name = ClassName}, 0, "", WS_POPUP, RECT{});
    SetUp(hideFromCapture);
}

frmFlash::~frmFlash()
{
    Destroy();
}

void frmFlash::SetUp(bool hideFromCapture)
{
    if (!Handle())
        return;
    const LONG exStyle = GetWindowLongW(Handle(), GWL_EXSTYLE);
    SetWindowLongW(Handle(), GWL_EXSTYLE, exStyle | FlashExStyles);
    image_->Clear();
    SetLayeredWindowAttributes(Handle(), TransparentKey, 255, LWA_COLORKEY | LWA_ALPHA);
    KeepOutOfCaptures(hideFromCapture);
}

void frmFlash::KeepOutOfCaptures(bool hideFromCapture)
{
    if (Handle())
        setAffinity_(Handle(), CaptureAffinity(hideFromCapture));
}

void frmFlash::ShowText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                        int32_t lOpacity, bool bAllMonitors)
{
    if (sText.empty() || !Handle())
        return;
    const int32_t color = FlashTextColor(lColor);
    const int32_t alpha = FlashAlpha(lOpacity);
    const std::optional<Placement> placed =
        DrawHidden(Handle(), *image_, sText, sFont, lSize, bBold, color, bAllMonitors);
    if (!placed)
        return;
    SetLayeredWindowAttributes(Handle(), TransparentKey, static_cast<BYTE>(alpha), LWA_COLORKEY | LWA_ALPHA);
    // Topmost again on every show: another program's topmost window may have come above since.
    SetWindowPos(Handle(), HWND_TOPMOST, placed->At.X, placed->At.Y, placed->Size.Width, placed->Size.Height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(Handle());
}

void frmFlash::HideNow()
{
    ShowWindow(Handle(), SW_HIDE);
}

void frmFlash::PaintTo(HDC target)
{
    RECT client{};
    GetClientRect(Handle(), &client);
    image_->PaintTo(target, client);
}

LRESULT frmFlash::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: {
        RECT client{};
        GetClientRect(Handle(), &client);
        image_->Resize(client.right, client.bottom);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // the image covers the whole client area
    case WM_PAINT: {
        const PaintScope paint(Handle());
        PaintTo(paint.DC());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return Default(message, wParam, lParam);
}

void frmFlash::Destroyed()
{
    image_.reset();
}
