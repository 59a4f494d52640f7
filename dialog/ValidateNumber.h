#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The dialog's number boxes accept a plain decimal: blanks around it, an optional sign,
// digits with at most one decimal point, at least one digit. No exponent, no separators.

// The whole number held by text when it is such a number and lies in [lo, hi] as written;
// it is then rounded to the nearest whole number, an exact half to the even neighbour.
std::optional<int32_t> ValidateNumber(std::string_view text, int32_t lo, int32_t hi);

// The message shown when a box fails, e.g. "Display time must be a number between 10 and 10000."
std::string NumberRangeMessage(std::string_view name, int32_t lo, int32_t hi);
