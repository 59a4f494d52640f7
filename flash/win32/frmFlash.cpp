#include "flash/win32/frmFlash.h"

#include "flash/FlashPlan.h"
#include "flash/win32/FlashImage.h"
#include "flash/win32/FlashText.h"
#include "platform/win32/GdiScopes.h"
#include "settings/Settings.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr char ClassName[] = "HalcyraFlash";
constexpr LONG FlashExStyles = WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE;

using FoundMonitors = std::vector<std::pair<HMONITOR, MONITORINFO>>;

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, RECT*, LPARAM found)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<FoundMonitors*>(found)->emplace_back(monitor, info);
    return TRUE;
}

// Every monitor of the virtual desktop, the primary one first.
std::vector<MonitorArea> Monitors(MonitorDpiQuery query)
{
    FoundMonitors found;
    EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&found));
    std::stable_partition(found.begin(), found.end(),
                          [](const auto& m) { return (m.second.dwFlags & MONITORINFOF_PRIMARY) != 0; });
    std::vector<MonitorArea> monitors;
    for (const auto& [monitor, info] : found) {
        const RECT& r = info.rcMonitor;
        monitors.push_back({{r.left, r.top, r.right - r.left, r.bottom - r.top},
                            static_cast<int32_t>(DpiOfMonitor(monitor, query))});
    }
    return monitors;
}

// Everything before the window becomes visible: font, measuring, placement and drawing,
// all while the window is hidden. The font is deleted on return, before the window shows.
std::optional<RECT> DrawHidden(HWND window, FlashImage& image, const FlashCalls& calls, const std::string& sText,
                               const std::string& sFont, int32_t lSize, bool bBold, int32_t color, bool bAllMonitors)
{
    FlashText text(image.DC(), sText, sFont, lSize, bBold);
    const FlashArea area = FlashAreaFromMetrics(bAllMonitors, [&](int32_t index) { return calls.systemMetric(index); });
    const std::vector<MonitorArea> monitors = Monitors(calls.monitorDpi);
    const int32_t primaryDpi = monitors.empty() ? static_cast<int32_t>(SystemDpi()) : monitors.front().Dpi;
    const std::optional<FlashPlacement> placed = PlaceOnMonitors(
        area, monitors, primaryDpi, [&](int32_t dpi, const FlashSize& bounds) { return text.LayOut(dpi, bounds); });
    if (!placed)
        return std::nullopt;
    const FlashPoint at = placed->At;
    const FlashSize size = placed->Size;
    ShowWindow(window, SW_HIDE);
    MoveWindow(window, at.X, at.Y, size.Width, size.Height, FALSE);
    image.Clear();
    text.Draw(color);
    return RECT{at.X, at.Y, at.X + size.Width, at.Y + size.Height};
}

}  // namespace

frmFlash::frmFlash(HINSTANCE instance, bool hideFromCapture, FlashCalls calls) : calls_(calls)
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
        calls_.setAffinity(Handle(), CaptureAffinity(hideFromCapture));
}

bool frmFlash::PrepareText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                           int32_t lOpacity, bool bAllMonitors)
{
    if (sText.empty() || !Handle())
        return false;
    const int32_t color = FlashTextColor(lColor);
    const int32_t alpha = FlashAlpha(lOpacity);
    const std::optional<RECT> placed =
        DrawHidden(Handle(), *image_, calls_, sText, sFont, lSize, bBold, color, bAllMonitors);
    if (!placed)
        return false;
    drawnAt_ = *placed;
    SetLayeredWindowAttributes(Handle(), TransparentKey, static_cast<BYTE>(alpha), LWA_COLORKEY | LWA_ALPHA);
    return true;
}

void frmFlash::ShowPrepared()
{
    // Topmost again on every show: another program's topmost window may have come above since.
    SetWindowPos(Handle(), HWND_TOPMOST, drawnAt_.left, drawnAt_.top, drawnAt_.right - drawnAt_.left,
                 drawnAt_.bottom - drawnAt_.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
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
