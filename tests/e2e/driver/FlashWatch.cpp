#include "tests/e2e/driver/FlashWatch.h"

#include "platform/Handles.h"

double NowMs()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::vector<FlashSighting> WatchFlashes(HWND flash, DWORD forMs)
{
    std::vector<FlashSighting> sightings;
    const double end = NowMs() + forMs;
    bool showing = false;
    for (double now = NowMs(); now < end; now = NowMs()) {
        const bool visible = IsWindowVisible(flash);
        if (visible && !showing) {
            FlashSighting& seen = sightings.emplace_back();
            seen.shownMs = now;
            GetWindowRect(flash, &seen.rect);
            seen.exStyle = GetWindowLongA(flash, GWL_EXSTYLE);
            GetLayeredWindowAttributes(flash, &seen.colourKey, &seen.alpha, &seen.layeredFlags);
        }
        if (!visible && showing)
            sightings.back().hiddenMs = now;
        showing = visible;
        Sleep(1);
    }
    return sightings;
}

SIZE TextExtent(const std::string& text, const std::string& face, int points, bool bold)
{
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    LOGFONTA font = {};
    font.lfHeight = -(points * GetDeviceCaps(dc.get(), LOGPIXELSY) / 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = NONANTIALIASED_QUALITY;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    const UniqueFont handle(CreateFontIndirectA(&font));
    const HGDIOBJ previous = SelectObject(dc.get(), handle.get());
    SIZE extent = {};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc.get(), previous);
    return extent;
}
