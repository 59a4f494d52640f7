#pragma once
#include <functional>
#include <string>
#include <string_view>

// Converts UTF-16 text to the ANSI code page (on Windows, WideCharToMultiByte with CP_ACP).
using WideToAnsi = std::function<std::string(std::u16string_view)>;

// The text of a settings file in the ANSI code page. A file that starts with a UTF-8 or
// a UTF-16 (little- or big-endian) byte-order mark is converted, so that Notepad's
// "UTF-8" and "Unicode" files read like ANSI ones; other bytes are taken as they are.
std::string DecodeFileText(std::string_view bytes, const WideToAnsi& toAnsi);

// UTF-8 to UTF-16; every malformed sequence becomes U+FFFD.
std::u16string WideFromUtf8(std::string_view utf8);
