#include "settings/StartWithWindows.h"

#include "platform/win32/Handles.h"
#include "settings/modSettings.h"

#include <string>

void ApplyStartWithWindows(bool enable)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_SET_VALUE, &opened) !=
        ERROR_SUCCESS)
        return;
    const UniqueRegKey run(opened);
    // The earlier edition must never start beside this one.
    RegDeleteValueA(run.get(), "Brindlewick");
    if (enable) {
        // Quoted, so that a path with blanks starts the right file.
        const std::string command = '"' + ExePath() + '"';
        RegSetValueExA(run.get(), "Halcyra", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
    } else {
        RegDeleteValueA(run.get(), "Halcyra");
    }
}
