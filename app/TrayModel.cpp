#include "app/TrayModel.h"

#include <algorithm>
#include <cstring>

std::string TrayTipText(bool active)
{
    return active ? "Halcyra - running" : "Halcyra - stopped";
}

std::string HotkeySuffix(int32_t mod, int32_t key, const SystemKeyName& systemName)
{
    if (key == 0)
        return {};
    return "\t" + HotkeyText(mod, key, systemName);
}

TrayMenuState MenuState(bool active, const Settings& s, const SystemKeyName& systemName)
{
    return {StartCaption + HotkeySuffix(s.StartMod, s.StartKey, systemName),
            StopCaption + HotkeySuffix(s.StopMod, s.StopKey, systemName), !active, active};
}

void FillTipField(char (&field)[TrayTipSize], const std::string& tip)
{
    const std::size_t length = std::min(tip.size(), TrayTipSize - 1);
    std::memset(field, ' ', TrayTipSize);
    std::memcpy(field, tip.data(), length);
    field[length] = '\0';
}
