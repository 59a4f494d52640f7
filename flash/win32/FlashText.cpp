#include "flash/win32/FlashText.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/Utf.h"
#include "platform/win32/GdiScopes.h"

namespace {

LOGFONTW ToLogFont(const FlashFont& font)
{
    LOGFONTW description{};
    description.lfHeight = font.Height;
    description.lfWeight = font.Weight;
    description.lfCharSet = font.CharSet;
    description.lfQuality = font.Quality;
    std::memcpy(description.lfFaceName, font.FaceName.data(), sizeof(description.lfFaceName));
    return description;
}

const wchar_t* Units(std::u16string_view text)
{
    return reinterpret_cast<const wchar_t*>(text.data());
}

// The text APIs take an int count; a longer text is cut rather than wrapped negative.
int Length(std::u16string_view text)
{
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

}  // namespace

bool FontMetrics::Use(const FlashFont& font)
{
    const LOGFONTW description = ToLogFont(font);
    font_.reset(CreateFontIndirectW(&description));
    return static_cast<bool>(font_);
}

std::vector<int32_t> FontMetrics::Extents(std::u16string_view text)
{
    const ScopedSelection selected(dc_, font_.get());
    std::vector<INT> extents(static_cast<std::size_t>(Length(text)));
    SIZE whole{};
    GetTextExtentExPointW(dc_, Units(text), Length(text), 0, nullptr, extents.data(), &whole);
    return {extents.begin(), extents.end()};
}

int32_t FontMetrics::Width(std::u16string_view run)
{
    const ScopedSelection selected(dc_, font_.get());
    SIZE extent{0, 0};
    GetTextExtentPoint32W(dc_, Units(run), Length(run), &extent);
    return extent.cx;
}

int32_t FontMetrics::LineHeight()
{
    const ScopedSelection selected(dc_, font_.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics.tmHeight;
}

FlashText::FlashText(HDC dc, const std::string& sText, const std::string& sFont, int32_t lSize, bool bBold)
    : dc_(dc), text_(Utf16FromUtf8(sText)), face_(sFont), size_(lSize), bold_(bBold), metrics_(dc)
{
}

std::optional<FlashSize> FlashText::LayOut(int32_t dpi, const FlashSize& bounds)
{
    int32_t points = size_;
    if (!metrics_.Use(DescribeFlashFont(face_, points, bold_, dpi)))
        return std::nullopt;
    layout_ = LayOutText(text_, size_, bounds, [&](int32_t smaller) -> TextMetrics& {
        if (smaller != points && metrics_.Use(DescribeFlashFont(face_, smaller, bold_, dpi)))
            points = smaller;
        return metrics_;
    });
    return layout_.window;
}

void FlashText::Draw(int32_t color) const
{
    const ScopedSelection selected(dc_, metrics_.Font());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, static_cast<COLORREF>(color));
    if (layout_.lines.size() == 1) {
        TextOutW(dc_, kFlashMargin, kFlashMargin, Units(layout_.lines[0]), Length(layout_.lines[0]));
        return;
    }
    std::u16string block;
    for (const std::u16string& line : layout_.lines)
        block.append(block.empty() ? u"" : u"\n").append(line);
    RECT area{kFlashMargin, kFlashMargin, layout_.window.Width - kFlashMargin, layout_.window.Height - kFlashMargin};
    DrawTextW(dc_, Units(block), Length(block), &area, DT_CENTER | DT_NOPREFIX);
}
