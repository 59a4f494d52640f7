#pragma once
#include <string_view>

// What a number of the settings file may hold anywhere, meaning nothing.
inline constexpr std::string_view kIgnoredInNumbers = " \t\n";

// Reads a number from a hand-editable text as leniently as possible: blanks, tabs and
// line feeds anywhere are ignored, reading stops at the first character that cannot
// continue the number, and a text that does not begin with one gives 0.
//
// Decimal form: optional sign, digits with at most one ".", optional exponent (E or e,
// then an optionally signed integer). &H and &O introduce an unsigned hexadecimal or
// octal whole number. A decimal number too large for a double gives an infinity of its
// sign, one too small gives zero; the result is never NaN.
double ReadNumber(std::string_view text);
