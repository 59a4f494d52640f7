#pragma once
#include <string>
#include <string_view>

// UTF-16 to the system's ANSI code page.
std::string AnsiFromWide(std::u16string_view wide);
