#include "flash/frmFlash.h"

#include "flash/FlashImage.h"
#include "flash/FlashPlan.h"
#include "platform/GdiScopes.h"
#include "platform/Handles.h"
#include "settings/Settings.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

namespace {

constexpr char ClassName[] = "HalcyraFlash";
constexpr LONG FlashExStyles = WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE;
constexpr int TextInset = 4;

void RegisterFlashClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = ClassName;
    // Fails harmlessly when an earlier window already registered it.
    RegisterClassExA(&windowClass);
}

LOGFONTA ToLogFont(const FlashFont& font)
{
    LOGFONTA description{};
    description.lfHeight = font.Height;
    description.lfWeight = font.Weight;
    description.lfCharSet = font.CharSet;
    description.lfQuality = font.Quality;
    std::memcpy(description.lfFaceName, font.FaceName.data(), sizeof(description.lfFaceName));
    return description;
}

// The text APIs take an int count; a longer text is cut rather than wrapped negative.
int TextLength(const std::string& text)
{
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

SIZE MeasureText(HDC dc, HFONT font, const std::string& text)
{
    SIZE extent{0, 0};
    const ScopedSelection selected(dc, font);
    GetTextExtentPoint32A(dc, text.c_str(), TextLength(text), &extent);
    return extent;
}

void DrawFlashText(HDC dc, HFONT font, const std::string& text, int32_t color)
{
    const ScopedSelection selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(color));
    TextOutA(dc, TextInset, TextInset, text.c_str(), TextLength(text));
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
    const LOGFONTA description = ToLogFont(DescribeFlashFont(sFont, lSize, bBold, GetDeviceCaps(dc, LOGPIXELSY)));
    const UniqueFont font(CreateFontIndirectA(&description));
    if (!font)
        return std::nullopt;
    const SIZE extent = MeasureText(dc, font.get(), sText);
    const FlashSize size = FlashWindowSize(extent.cx, extent.cy);
    const FlashArea area = FlashAreaFromMetrics(bAllMonitors, [](int32_t index) { return GetSystemMetrics(index); });
    const FlashPoint at = PlaceFlash(area, size);

    ShowWindow(window, SW_HIDE);
    MoveWindow(window, at.X, at.Y, size.Width, size.Height, FALSE);
    image.Clear();
    DrawFlashText(dc, font.get(), sText, color);
    return Placement{at, size};
}

}  // namespace

frmFlash::frmFlash(HINSTANCE instance)
{
    RegisterFlashClass(instance, &frmFlash::WindowProc);
    CreateWindowExA(0, ClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    SetUp();
}

frmFlash::~frmFlash()
{
    Close();
}

void frmFlash::SetUp()
{
    if (!window_)
        return;
    const LONG exStyle = GetWindowLongA(window_, GWL_EXSTYLE);
    SetWindowLongA(window_, GWL_EXSTYLE, exStyle | FlashExStyles);
    image_->Clear();
    SetLayeredWindowAttributes(window_, TransparentKey, 255, LWA_COLORKEY | LWA_ALPHA);
}

void frmFlash::ShowText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                        int32_t lOpacity, bool bAllMonitors)
{
    if (sText.empty() || !window_)
        return;
    const int32_t color = FlashTextColor(lColor);
    const int32_t alpha = FlashAlpha(lOpacity);
    const std::optional<Placement> placed =
        DrawHidden(window_, *image_, sText, sFont, lSize, bBold, color, bAllMonitors);
    if (!placed)
        return;
    SetLayeredWindowAttributes(window_, TransparentKey, static_cast<BYTE>(alpha), LWA_COLORKEY | LWA_ALPHA);
    // Topmost again on every show: another program's topmost window may have come above since.
    SetWindowPos(window_, HWND_TOPMOST, placed->At.X, placed->At.Y, placed->Size.Width, placed->Size.Height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(window_);
}

void frmFlash::HideNow()
{
    ShowWindow(window_, SW_HIDE);
}

void frmFlash::Close()
{
    if (window_)
        DestroyWindow(window_);
}

HWND frmFlash::Handle() const
{
    return window_;
}

void frmFlash::PaintTo(HDC target)
{
    RECT client{};
    GetClientRect(window_, &client);
    image_->PaintTo(target, client);
}

LRESULT CALLBACK frmFlash::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmFlash*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        self->image_ = std::make_unique<FlashImage>();
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmFlash*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT frmFlash::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = window_;
    switch (message) {
    case WM_SIZE: {
        RECT client{};
        GetClientRect(window, &client);
        image_->Resize(client.right, client.bottom);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // the image covers the whole client area
    case WM_PAINT: {
        const PaintScope paint(window);
        PaintTo(paint.DC());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        image_.reset();
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
