#include "hotkeys/HotkeyPlan.h"

std::vector<HotkeyRegistration> PlanHotkeys(const Settings& s)
{
    if (s.StartKey != 0 && s.StartKey == s.StopKey && s.StartMod == s.StopMod)
        return {{HotkeyToggleId, s.StartMod, s.StartKey, "  (start/stop toggle)"}};

    std::vector<HotkeyRegistration> plan;
    if (s.StartKey != 0)
        plan.push_back({HotkeyStartId, s.StartMod, s.StartKey, "  (start)"});
    if (s.StopKey != 0)
        plan.push_back({HotkeyStopId, s.StopMod, s.StopKey, "  (stop)"});
    return plan;
}

std::string HotkeyFailureReport(const std::vector<HotkeyRegistration>& refused,
                                const SystemKeyName& systemName)
{
    if (refused.empty())
        return {};
    std::string report =
        "These hotkeys could not be registered (probably already used by another program):\r\n\r\n";
    for (const HotkeyRegistration& r : refused)
        report.append("  ").append(HotkeyText(r.mods, r.key, systemName)).append(r.label).append("\r\n");
    return report + "\r\nChoose different ones in Settings.";
}
