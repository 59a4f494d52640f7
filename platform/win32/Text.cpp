#include "platform/win32/Text.h"

#include <windows.h>

#include "platform/Utf.h"
#include "platform/win32/Handles.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::string_view utf8)
{
    const std::u16string utf16 = Utf16FromUtf8(utf8);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string Utf8(std::wstring_view wide)
{
    return Utf8FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

std::string SystemErrorText(unsigned long error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                            FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const UniqueLocalMemory owner(text);
    std::wstring_view words(text ? text : L"", length);
    words = words.substr(0, words.find_last_not_of(L" \r\n") + 1);
    return words.empty() ? "Error " + std::to_string(error) : Utf8(words);
}

std::string Utf8FromAnsi(std::string_view ansi)
{
    if (ansi.empty())
        return {};
    const int length = static_cast<int>(ansi.size());
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), static_cast<int>(wide.size())));
    return Utf8(wide);
}

// Lossless when the ANSI bytes give back the very same characters: a character without a
// form of its own comes back as the default character or a look-alike.
std::optional<std::string> AnsiFromUtf8(std::string_view utf8)
{
    const std::wstring wide = Wide(utf8);
    if (wide.empty())
        return std::string();
    const int length = static_cast<int>(wide.size());
    std::string ansi(WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr), '\0');
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), static_cast<int>(ansi.size()),
                                    nullptr, nullptr));
    std::wstring back(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0), L'\0');
    back.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), back.data(),
                                    static_cast<int>(back.size())));
    if (back != wide)
        return std::nullopt;
    return ansi;
}
