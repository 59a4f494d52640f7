#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "hotkeys/HotkeyText.h"
#include "settings/Settings.h"

// The message the shell sends for mouse events on the icon (WM_USER + 100).
inline constexpr uint32_t TrayCallbackMessage = 0x464;
inline constexpr uint32_t TrayIconId = 1;
inline constexpr std::size_t TrayTipSize = 64;

// Captions of the tray menu as the menu is created; Start and Stop gain their hotkeys later.
inline constexpr const char* StartCaption = "&Start";
inline constexpr const char* StopCaption = "S&top";
inline constexpr const char* ShowNowCaption = "Show one &now";
inline constexpr const char* SettingsCaption = "S&ettings...";
inline constexpr const char* ExitCaption = "E&xit";

std::string TrayTipText(bool active);

// A tab and the hotkey's text, so the menu shows it right-aligned; empty for no hotkey.
std::string HotkeySuffix(int32_t mod, int32_t key, const SystemKeyName& systemName);

// How the Start and Stop items read and which of them can be chosen.
struct TrayMenuState {
    std::string startCaption;
    std::string stopCaption;
    bool startEnabled;
    bool stopEnabled;
};

TrayMenuState MenuState(bool active, const Settings& settings, const SystemKeyName& systemName);

// The shell's tip field: the text, a NUL, and spaces up to the end of the field.
void FillTipField(std::span<char, TrayTipSize> field, const std::string& tip);
