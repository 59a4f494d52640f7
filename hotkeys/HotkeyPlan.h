#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "hotkeys/HotkeyText.h"
#include "settings/Settings.h"

// Registration ids on the main window, as the window procedure reads them.
inline constexpr int32_t HotkeyStartId = 1;
inline constexpr int32_t HotkeyStopId = 2;
inline constexpr int32_t HotkeyToggleId = 3;

// Holding a hotkey down must give one press, not a stream of them.
inline constexpr uint32_t ModNoRepeat = 0x4000;

// One hotkey to hand to the system.
struct HotkeyRegistration {
    int32_t id;
    int32_t mods;  // as stored in the settings
    int32_t key;
    const char* label;  // names the hotkey's role in the failure message

    uint32_t Mask() const { return static_cast<uint32_t>(mods) | ModNoRepeat; }
};

// The hotkeys the settings ask for: one toggle when start and stop are the same
// combination, otherwise start and stop, each only when its key is set.
std::vector<HotkeyRegistration> PlanHotkeys(const Settings& settings);

// The warning for the registrations the system refused, in plan order; empty when
// none was refused.
std::string HotkeyFailureReport(const std::vector<HotkeyRegistration>& refused,
                                const SystemKeyName& systemName);
