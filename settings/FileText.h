#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The system's ANSI code page, as the settings file meets it.
struct AnsiCodePage {
    std::function<std::string(std::string_view ansi)> toUtf8;
    // Nothing when some character has no form in the code page.
    std::function<std::optional<std::string>(std::string_view utf8)> fromUtf8;
};

// The text of a settings file, in UTF-8. A UTF-8 or UTF-16 (little- or big-endian)
// byte-order mark says how the rest is written, as Notepad's "UTF-8" and "Unicode" files
// do; without one, bytes that are valid UTF-8 and go beyond ASCII are UTF-8 (what Notepad
// writes by default), and any others are in the ANSI code page.
std::string DecodeFileText(std::string_view bytes, const AnsiCodePage& ansi);

// The bytes of a settings file: in the ANSI code page whenever the text reads back from
// there unchanged, so that the files the program always wrote stay as they were; otherwise UTF-16
// little-endian with a byte-order mark, which the system's profile functions read as
// Unicode.
std::string EncodeFileText(std::string_view text, const AnsiCodePage& ansi);
