#include "settings/StartWithWindows.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"
#include "settings/modSettings.h"

#include <string>

uint32_t ApplyStartWithWindows(bool enable)
{
    HKEY opened = nullptr;
    if (const LSTATUS error = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(kRunKey).c_str(), 0, KEY_SET_VALUE, &opened))
        return static_cast<uint32_t>(error);
    const UniqueRegKey run(opened);
    // The earlier edition must never start beside this one.
    RegDeleteValueW(run.get(), L"Brindlewick");
    if (enable) {
        // Quoted, so that a path with blanks starts the right file.
        const std::wstring command = Wide('"' + ExePath() + '"');
        return static_cast<uint32_t>(RegSetValueExW(run.get(), L"Halcyra", 0, REG_SZ,
                                                    reinterpret_cast<const BYTE*>(command.c_str()),
                                                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))));
    }
    const LSTATUS error = RegDeleteValueW(run.get(), L"Halcyra");
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : static_cast<uint32_t>(error);
}
