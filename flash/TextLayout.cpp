#include "flash/TextLayout.h"

#include <algorithm>

namespace {

constexpr char16_t kSpace = u' ';

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::u16string_view WithoutTrailingSpaces(std::u16string_view text)
{
    return text.substr(0, text.find_last_not_of(kSpace) + 1);
}

// Where a line that must break within its first fit units ends: at the last space that
// fits, else, for a word wider than the line, after as much of it as fits, at least one
// character, never between the halves of a surrogate pair.
std::size_t BreakBefore(std::u16string_view text, std::size_t fit)
{
    const std::size_t space = text.substr(0, fit + 1).find_last_of(kSpace);
    if (space != std::u16string_view::npos && space > 0)
        return space;
    std::size_t end = std::max<std::size_t>(fit, 1);
    if (end < text.size() && IsLowSurrogate(text[end]))
        end = end > 1 ? end - 1 : end + 1;
    return end;
}

// The text measured once, as one line; each line's width taken from it, so that breaking a
// long text costs one measurement, not one a line.
std::vector<std::u16string> BreakLines(std::u16string_view text, int32_t width, TextMetrics& metrics)
{
    const std::vector<int32_t> extents = metrics.Extents(text);
    std::vector<std::u16string> lines;
    for (std::size_t start = text.find_first_not_of(kSpace); start < text.size();) {
        const int32_t before = start > 0 ? extents[start - 1] : 0;
        const auto reach = std::upper_bound(extents.begin() + static_cast<std::ptrdiff_t>(start), extents.end(),
                                            before + width);
        const std::u16string_view rest = text.substr(start);
        const std::size_t fit = static_cast<std::size_t>(reach - extents.begin()) - start;
        const std::size_t end = fit >= rest.size() ? rest.size() : BreakBefore(rest, fit);
        lines.emplace_back(WithoutTrailingSpaces(rest.substr(0, end)));
        start = text.find_first_not_of(kSpace, start + end);
    }
    return lines;
}

}  // namespace

TextLayout LayOutText(std::u16string_view text, int32_t points, const FlashSize& bounds, const MetricsAt& metricsAt)
{
    const FlashSize room{std::max(bounds.Width - 2 * kFlashMargin, 1), bounds.Height - 2 * kFlashMargin};
    for (int32_t size = points;; --size) {
        TextMetrics& metrics = metricsAt(size);
        std::vector<std::u16string> lines;
        if (metrics.Width(text) <= room.Width)
            lines.emplace_back(text);
        else
            lines = BreakLines(text, room.Width, metrics);
        const int64_t height = int64_t{metrics.LineHeight()} * static_cast<int64_t>(lines.size());
        if (height <= room.Height || size <= kSmallestPoints) {
            int32_t width = 0;
            for (const std::u16string& line : lines)
                width = std::max(width, metrics.Width(line));
            return {size, std::move(lines), FlashWindowSize(width, static_cast<int32_t>(height))};
        }
    }
}
