#include "platform/win32/Text.h"

#include <windows.h>

std::string AnsiFromWide(std::u16string_view wide)
{
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    if (wide.empty())
        return std::string();
    const auto* source = reinterpret_cast<const wchar_t*>(wide.data());
    const int length = static_cast<int>(wide.size());
    std::string ansi(WideCharToMultiByte(CP_ACP, 0, source, length, nullptr, 0, nullptr, nullptr), '\0');
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, source, length, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr));
    return ansi;
}
