#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Handles whatever is queued for this thread, so that X events do not pile up.
void PumpMessages();

struct LayeredAttributes {
    COLORREF Key = 0;
    BYTE Alpha = 0;
    DWORD Flags = 0;
};
LayeredAttributes LayeredAttributesOf(HWND window);

RECT WindowRectOf(HWND window);

// The extent of a text in the face the system actually picks for the request, measured
// on a DC of our own.
struct Measured {
    std::string Face;
    SIZE Extent{};
};
Measured MeasureAsFlash(const std::string& text, const std::string& face, int32_t points, bool bold);

// The window's client area as PrintWindow paints it, one COLORREF per pixel, rows top down.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<COLORREF> Pixels;

    COLORREF At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    bool operator==(const Picture&) const = default;
};
Picture Capture(HWND window);
