#pragma once
#include <optional>
#include <string>
#include <string_view>

// The program's UTF-8 text as the system's wide calls take it, and back.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The system's own words for an error code, in the user's language; the code itself where
// the system has none.
std::string SystemErrorText(unsigned long error);

// The system's ANSI code page.
std::string Utf8FromAnsi(std::string_view ansi);
// Nothing when some character has no form in the code page.
std::optional<std::string> AnsiFromUtf8(std::string_view utf8);
