#include "flash/tests/FlashTestSupport.h"

#include "platform/GdiScopes.h"
#include "platform/Handles.h"

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

LayeredAttributes LayeredAttributesOf(HWND window)
{
    LayeredAttributes attributes;
    GetLayeredWindowAttributes(window, &attributes.Key, &attributes.Alpha, &attributes.Flags);
    return attributes;
}

RECT WindowRectOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

namespace {

UniqueFont CreateFaceFont(HDC dc, const std::string& face, int32_t points, bool bold)
{
    const int height = -(points * GetDeviceCaps(dc, LOGPIXELSY) / 72);
    return UniqueFont(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

std::string SelectedFace(HDC dc, const std::string& face, int32_t points, bool bold)
{
    const UniqueFont requested = CreateFaceFont(dc, face, points, bold);
    const ScopedSelection selected(dc, requested.get());
    char name[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, name);
    return name;
}

struct DibPicture {
    UniqueBitmap Bitmap;
    const uint32_t* Bits = nullptr;
};

DibPicture CreateDib(HDC dc, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    DibPicture dib;
    dib.Bitmap.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dib.Bits = static_cast<const uint32_t*>(bits);
    return dib;
}

// DIB pixels are 0x00RRGGBB; COLORREF keeps red in the low byte.
COLORREF ToColorRef(uint32_t pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

Measured MeasureAsFlash(const std::string& text, const std::string& face, int32_t points, bool bold)
{
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    Measured measured;
    // Measure with the face the mapper chose, named explicitly, so that a window drawn in
    // some other face would not match by accident.
    measured.Face = SelectedFace(dc.get(), face, points, bold);
    const UniqueFont font = CreateFaceFont(dc.get(), measured.Face, points, bold);
    const ScopedSelection selected(dc.get(), font.get());
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &measured.Extent);
    return measured;
}

Picture Capture(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    Picture picture;
    picture.Width = client.right;
    picture.Height = client.bottom;
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const DibPicture dib = CreateDib(dc.get(), picture.Width, picture.Height);
    if (!dib.Bits)
        return picture;
    {
        const ScopedSelection selected(dc.get(), dib.Bitmap.get());
        PrintWindow(window, dc.get(), PW_CLIENTONLY);
    }
    GdiFlush();
    picture.Pixels.reserve(static_cast<std::size_t>(picture.Width) * picture.Height);
    for (int i = 0; i < picture.Width * picture.Height; ++i)
        picture.Pixels.push_back(ToColorRef(dib.Bits[i]));
    return picture;
}
