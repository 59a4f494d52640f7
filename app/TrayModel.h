#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/FlashScheduler.h"
#include "hotkeys/HotkeyText.h"
#include "settings/Settings.h"

// The message the shell sends for mouse events on the icon (WM_USER + 100).
inline constexpr uint32_t TrayCallbackMessage = 0x464;
inline constexpr uint32_t TrayIconId = 1;
inline constexpr std::size_t TrayTipSize = 128;  // UTF-16 units, the wide record's

// Captions of the tray menu as the menu is created; Start and Stop gain their hotkeys later.
inline constexpr const char* StartCaption = "&Start";
inline constexpr const char* StopCaption = "S&top";
inline constexpr const char* PauseCaption = "&Pause";
inline constexpr const char* ResumeCaption = "&Resume";
inline constexpr const char* ShowNowCaption = "Show one &now";
inline constexpr const char* SettingsCaption = "S&ettings...";
inline constexpr const char* ExitCaption = "E&xit";

// The pauses the tray offers, in its order: minutes, or none for until tomorrow.
struct PauseChoice {
    const char* caption;
    std::optional<std::chrono::minutes> length;
};
inline constexpr PauseChoice PauseChoices[] = {{"For &30 minutes", std::chrono::minutes(30)},
                                               {"For &1 hour", std::chrono::hours(1)},
                                               {"For &2 hours", std::chrono::hours(2)},
                                               {"Until &tomorrow", std::nullopt}};

// until: when a pause ends or the hours begin, as the user reads the time.
std::string TrayTipText(const SchedulerStatus& status, std::string_view until);

// A tab and the hotkey's text, so the menu shows it right-aligned; empty for no hotkey.
std::string HotkeySuffix(int32_t mod, int32_t key, const SystemKeyName& systemName);

// How the Start and Stop items read, which of them can be chosen, and whether Pause is
// there to choose, as a menu of pauses or as Resume.
struct TrayMenuState {
    std::string startCaption;
    std::string stopCaption;
    bool startEnabled;
    bool stopEnabled;
    bool pauseEnabled;
    bool paused;
};

TrayMenuState MenuState(const SchedulerStatus& status, const Settings& settings, const SystemKeyName& systemName);

// The shell's tip field: the text, cut between two whole characters to leave room for a NUL,
// then NULs to the end.
void FillTipField(std::span<char16_t, TrayTipSize> field, std::string_view tip);
