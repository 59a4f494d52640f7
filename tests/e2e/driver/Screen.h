#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What is on the X display, read with ImageMagick's import: the pixels the user sees,
// after the window manager, the colour key and the tray have done their part.

std::optional<std::string> UnixCommandOutput(const std::string& shellCommand, DWORD timeoutMs);

struct Image {
    std::vector<uint8_t> rgb;  // rows top to bottom, three bytes a pixel

    int Count(COLORREF colour) const;
    bool operator==(const Image&) const = default;
};

std::optional<Image> CaptureScreen(const RECT& area);
// Keeps the screen, or a rectangle of it, as e2e-evidence/<name>.png in the build folder.
void SaveEvidence(const std::string& name, const std::optional<RECT>& area = std::nullopt);

// One showing of the flash window, as seen by polling it every millisecond.
struct FlashSighting {
    double shownMs = 0;   // on the driver's clock
    double hiddenMs = 0;  // 0 while it was still showing when the watch ended
    RECT rect = {};
    LONG exStyle = 0;
    COLORREF colourKey = 0;
    BYTE alpha = 0;
    DWORD layeredFlags = 0;

    double VisibleMs() const { return hiddenMs - shownMs; }
};

double NowMs();
std::vector<FlashSighting> WatchFlashes(HWND flash, DWORD forMs);

// The extent of one line of text as the flash window measures it: the font built from
// the face, the point size (at the screen's resolution) and the weight.
SIZE TextExtent(const std::string& text, const std::string& face, int points, bool bold);
