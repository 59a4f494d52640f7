#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The font list's entries: alphabetical ignoring letter case, each face once. Face names
// are matched without regard to case by the system, so names differing only in case are
// one face; the first one met is kept.
std::vector<std::string> SortFontNames(std::vector<std::string> names);

// The entry to select for a face name: the first that equals it ignoring letter case,
// else the first entry; nothing for an empty list.
std::optional<std::size_t> SelectFont(const std::vector<std::string>& fonts, std::string_view name);
