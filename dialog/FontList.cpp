#include "dialog/FontList.h"

#include <algorithm>

namespace {

// Only ASCII letters fold, so the order does not change with the user's locale.
unsigned char Fold(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool LessIgnoringCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Fold(x) == Fold(y); });
}

}  // namespace

std::vector<std::string> SortFontNames(std::vector<std::string> names)
{
    std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
    names.erase(std::unique(names.begin(), names.end(), EqualIgnoringCase), names.end());
    return names;
}

std::optional<std::size_t> SelectFont(const std::vector<std::string>& fonts, std::string_view name)
{
    const auto match = std::find_if(fonts.begin(), fonts.end(),
                                    [name](const std::string& f) { return EqualIgnoringCase(f, name); });
    if (match != fonts.end())
        return static_cast<std::size_t>(match - fonts.begin());
    if (fonts.empty())
        return std::nullopt;
    return 0;
}
