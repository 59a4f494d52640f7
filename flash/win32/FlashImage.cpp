#include "flash/win32/FlashImage.h"

#include "settings/Settings.h"

namespace {

HBITMAP CreatePicture(HDC dc, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, like the window
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

FlashImage::FlashImage() : dc_(CreateCompatibleDC(nullptr)) {}

void FlashImage::Resize(int width, int height)
{
    if (width == width_ && height == height_ && bitmap_)
        return;
    selection_.reset();
    bitmap_.reset();
    width_ = 0;
    height_ = 0;
    if (width <= 0 || height <= 0)
        return;
    // A very long message can ask for more memory than there is; then the flash stays blank.
    bitmap_.reset(CreatePicture(dc_.get(), width, height));
    if (!bitmap_)
        return;
    selection_.emplace(dc_.get(), bitmap_.get());
    width_ = width;
    height_ = height;
    Clear();
}

void FlashImage::Clear()
{
    if (!bitmap_)
        return;
    const RECT all{0, 0, width_, height_};
    SetDCBrushColor(dc_.get(), TransparentKey);
    FillRect(dc_.get(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FlashImage::PaintTo(HDC target, const RECT& client) const
{
    if (bitmap_) {
        BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
        return;
    }
    const UniqueBrush background(CreateSolidBrush(TransparentKey));
    FillRect(target, &client, background.get());
}
