#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The dialog's controls as Preview reads them: unsaved and unchecked.
struct PreviewControls {
    std::span<const std::string> messages;   // the list's entries
    std::optional<std::size_t> selected;     // the list's selected entry
    std::string sizeMinText;
    std::string sizeMaxText;
    std::string durationText;
    bool randomColor = false;
    int32_t color = 0;  // mColor
    std::string fontName;
    bool bold = false;
    int32_t opacity = 0;  // position of the opacity bar
    bool allMonitors = false;
};

// What Preview hands to FlashCustom, in its order.
struct PreviewValues {
    std::string sText;
    std::string sFont;
    int32_t lSize = 0;
    bool bBold = false;
    int32_t lColor = 0;
    int32_t lOpacity = 0;
    bool bAllMonitors = false;
    int32_t lDurationMs = 0;
};

// Decides one preview, drawing from the program's random generator in this order:
// the message (only when none is selected and the list is not empty), the size, then
// the colour (only when random colours are checked).
PreviewValues PlanPreview(const PreviewControls& controls);
