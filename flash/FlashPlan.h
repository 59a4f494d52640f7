#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

// What one flash looks like and where it goes, decided without touching the system.

inline constexpr uint8_t DefaultCharSet = 1;
// Every pixel is either the text colour or the colour key: no blended glyph edges that
// would show as a magenta fringe around the letters.
inline constexpr uint8_t NonAntialiasedQuality = 3;

// The fields of the system's font description that a flash sets; all others are 0.
struct FlashFont {
    int32_t Height = 0;  // negative: the character height in pixels
    int32_t Weight = 0;
    uint8_t CharSet = DefaultCharSet;
    uint8_t Quality = NonAntialiasedQuality;
    std::array<char16_t, 32> FaceName{};  // UTF-16, always 0-terminated

    bool operator==(const FlashFont&) const = default;
};

// logPixelsY is the vertical resolution of the DC the text is drawn on.
FlashFont DescribeFlashFont(const std::string& sFont, int32_t lSize, bool bBold, int32_t logPixelsY);

// The colour the text is drawn in: never the window's colour key.
int32_t FlashTextColor(int32_t lColor);

// The window's constant alpha: never so low that a flash is invisible.
int32_t FlashAlpha(int32_t lOpacity);

// The display affinity the window asks for: left out of screenshots, recordings and
// screen sharing, or shown to them like any window. Never the affinity that blacks the
// window out in captures, which would show that something is there.
inline constexpr uint32_t AffinityNone = 0x00;           // WDA_NONE
inline constexpr uint32_t AffinityExcludeFromCapture = 0x11;  // WDA_EXCLUDEFROMCAPTURE
uint32_t CaptureAffinity(bool hideFromCapture);

struct FlashSize {
    int32_t Width = 0;
    int32_t Height = 0;

    bool operator==(const FlashSize&) const = default;
};

// The text stands this far in from every side of its window.
inline constexpr int32_t kFlashMargin = 4;

// The window around a text of extent (cx, cy).
FlashSize FlashWindowSize(int32_t cx, int32_t cy);

struct FlashArea {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;

    bool operator==(const FlashArea&) const = default;
};

// Answers one GetSystemMetrics index.
using SystemMetric = std::function<int32_t(int32_t index)>;

// The rectangle a flash may land in: the bounding box of all monitors, or the primary screen.
FlashArea FlashAreaFromMetrics(bool bAllMonitors, const SystemMetric& metric);

struct FlashPoint {
    int32_t X = 0;
    int32_t Y = 0;

    bool operator==(const FlashPoint&) const = default;
};

// A random top-left corner, x drawn before y. A window larger than the area starts at its
// left (or top) edge.
FlashPoint PlaceFlash(const FlashArea& area, const FlashSize& size);

// A monitor's rectangle on the virtual desktop, in physical pixels, and its DPI.
struct MonitorArea {
    FlashArea Area;
    int32_t Dpi = 0;
};

// Where a flash goes and the DPI its text is made for.
struct FlashPlacement {
    FlashPoint At;
    FlashSize Size;
    int32_t Dpi = 0;

    bool operator==(const FlashPlacement&) const = default;
};

// The window around the text made for a DPI, as large as it must be to fit within bounds;
// nothing when the text cannot be made (no font).
using LayoutAtDpi = std::function<std::optional<FlashSize>(int32_t dpi, const FlashSize& bounds)>;

// Lays the text out for firstDpi (the primary monitor's) and places it at random in area, as
// PlaceFlash does. Where the monitor under that place has another DPI, the text is laid out
// again for it, and the window is moved, with no further draw, into that monitor's area.
// Nothing, and no draw, when a layout fails.
std::optional<FlashPlacement> PlaceOnMonitors(const FlashArea& area, std::span<const MonitorArea> monitors,
                                              int32_t firstDpi, const LayoutAtDpi& layout);
