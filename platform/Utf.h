#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Text inside the program is UTF-8; the system takes UTF-16. Malformed input never fails a
// conversion: each malformed UTF-8 sequence and each unpaired surrogate becomes U+FFFD.

std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view utf16);

// Whether the bytes are well-formed UTF-8 throughout.
bool IsUtf8(std::string_view bytes);

// The longest start of utf8 that takes at most units UTF-16 units, cut between two whole
// characters: a character that takes a surrogate pair is kept whole or left out.
std::string_view CutToUtf16Units(std::string_view utf8, std::size_t units);
