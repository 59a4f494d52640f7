#include "hotkeys/win32/modHotkey.h"

#include <algorithm>
#include <vector>

#include "hotkeys/HotkeyPlan.h"
#include "platform/win32/Text.h"
#include "settings/Settings.h"

std::string RegisterHotkeys(HWND window)
{
    if (!window)
        return {};
    UnregisterHotkeys(window);
    std::vector<HotkeyRegistration> refused;
    for (const HotkeyRegistration& r : PlanHotkeys(gSettings)) {
        if (!RegisterHotKey(window, r.id, r.Mask(), static_cast<UINT>(r.key)))
            refused.push_back(r);
    }
    return HotkeyFailureReport(refused, LayoutKeyName);
}

void UnregisterHotkeys(HWND window)
{
    if (!window)
        return;
    for (int id : {HotkeyStartId, HotkeyStopId, HotkeyToggleId})
        UnregisterHotKey(window, id);
}

std::string LayoutKeyName(int32_t key)
{
    const UINT scanCode = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    wchar_t name[64] = {};
    // The scan code goes in bits 16 to 23; the extended-key bit stays clear.
    const int length = GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, std::size(name));
    return Utf8(std::wstring_view(name, static_cast<std::size_t>(std::clamp(length, 0, 63))));
}

std::string KeyName(int32_t key)
{
    return KeyName(key, LayoutKeyName);
}

std::string HotkeyText(int32_t mods, int32_t key)
{
    return HotkeyText(mods, key, LayoutKeyName);
}
