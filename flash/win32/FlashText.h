#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "flash/TextLayout.h"
#include "platform/win32/Handles.h"

// The flash's face at one size, measured on the DC it is drawn on.
class FontMetrics final : public TextMetrics {
public:
    explicit FontMetrics(HDC dc) : dc_(dc) {}

    // False when the system makes no such font.
    bool Use(const FlashFont& font);
    HFONT Font() const { return font_.get(); }

    std::vector<int32_t> Extents(std::u16string_view text) override;
    int32_t Width(std::u16string_view run) override;
    int32_t LineHeight() override;

private:
    HDC dc_;
    UniqueFont font_;
};

// One flash's text, laid out for whichever DPI and bounds the placement asks for last, and
// drawn so: one line as it is, more lines centred under one another.
class FlashText {
public:
    FlashText(HDC dc, const std::string& sText, const std::string& sFont, int32_t lSize, bool bBold);

    // The window's size; nothing when the font cannot be made.
    std::optional<FlashSize> LayOut(int32_t dpi, const FlashSize& bounds);
    void Draw(int32_t color) const;

private:
    HDC dc_;
    std::u16string text_;
    std::string face_;
    int32_t size_;
    bool bold_;
    FontMetrics metrics_;
    TextLayout layout_;
};
