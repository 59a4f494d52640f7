#include "app/TrayModel.h"

#include <algorithm>

std::string TrayTipText(bool active)
{
    return active ? "Halcyra - running" : "Halcyra - stopped";
}

std::string HotkeySuffix(int32_t mod, int32_t key, const SystemKeyName& systemName)
{
    if (key == 0)
        return {};
    return std::string("\t").append(HotkeyText(mod, key, systemName));
}

TrayMenuState MenuState(bool active, const Settings& s, const SystemKeyName& systemName)
{
    return {std::string(StartCaption).append(HotkeySuffix(s.StartMod, s.StartKey, systemName)),
            std::string(StopCaption).append(HotkeySuffix(s.StopMod, s.StopKey, systemName)), !active, active};
}

void FillTipField(std::span<char, TrayTipSize> field, const std::string& tip)
{
    const std::size_t length = std::min(tip.size(), TrayTipSize - 1);
    std::fill(field.begin(), field.end(), ' ');
    std::copy_n(tip.begin(), length, field.begin());
    field[length] = '\0';
}
