#include "settings/StartWithWindows.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"
#include "settings/modSettings.h"

#include <string>

void ApplyStartWithWindows(bool enable)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_SET_VALUE, &opened) !=
        ERROR_SUCCESS)
        return;
    const UniqueRegKey run(opened);
    // The earlier edition must never start beside this one.
    RegDeleteValueW(run.get(), L"Brindlewick");
    if (enable) {
        // Quoted, so that a path with blanks starts the right file.
        const std::wstring command = Wide('"' + ExePath() + '"');
        RegSetValueExW(run.get(), L"Halcyra", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(run.get(), L"Halcyra");
    }
}
