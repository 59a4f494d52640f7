#pragma once
#include <windows.h>

#include <string>
#include <vector>

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
// Records every showing of the window during the next forMs milliseconds.
std::vector<FlashSighting> WatchFlashes(HWND flash, DWORD forMs);

// The extent of one line of text as the flash window measures it: the font built from
// the face, the point size (at the screen's resolution) and the weight.
SIZE TextExtent(const std::string& text, const std::string& face, int points, bool bold);
