#include "app/TrayModel.h"

#include <algorithm>

#include "platform/Utf.h"

std::string TrayTipText(const SchedulerStatus& status, std::string_view until)
{
    if (!status.active)
        return "Halcyra - stopped";
    switch (status.quiet) {
    case Quiet::Paused: return std::string("Halcyra - paused until ").append(until);
    case Quiet::OutsideHours:
        if (status.until)
            return std::string("Halcyra - waiting for ").append(until);
        break;
    case Quiet::No: break;
    }
    return "Halcyra - running";
}

std::string HotkeySuffix(int32_t mod, int32_t key, const SystemKeyName& systemName)
{
    if (key == 0)
        return {};
    return std::string("\t").append(HotkeyText(mod, key, systemName));
}

TrayMenuState MenuState(const SchedulerStatus& status, const Settings& s, const SystemKeyName& systemName)
{
    return {std::string(StartCaption).append(HotkeySuffix(s.StartMod, s.StartKey, systemName)),
            std::string(StopCaption).append(HotkeySuffix(s.StopMod, s.StopKey, systemName)), !status.active,
            status.active, status.active, status.quiet == Quiet::Paused};
}

void FillTipField(std::span<char16_t, TrayTipSize> field, std::string_view tip)
{
    const std::u16string text = Utf16FromUtf8(CutToUtf16Units(tip, TrayTipSize - 1));
    std::fill(std::copy(text.begin(), text.end(), field.begin()), field.end(), u'\0');
}
