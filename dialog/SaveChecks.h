#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "dialog/SettingsControls.h"
#include "settings/Settings.h"

// The first check that failed: the box that gets the focus, whether its whole text is
// selected, and the message to show.
struct SaveFailure {
    SettingsControl box;
    bool selectAll;
    std::string message;
};

// The text of a number box, as typed.
using BoxText = std::function<std::string(SettingsControl box)>;

// Save's checks of the number boxes in order; the first failure ends them. When all pass,
// record with the checked whole numbers in their fields.
std::variant<Settings, SaveFailure> CheckSave(const BoxText& textOf, Settings record);

// What Save says when the settings could not be stored where: the file's path or the
// registry key, with the system's reason.
std::string UnsavedText(std::string_view where, std::string_view reason);

// The check after the numbers': a schedule needs a day.
std::optional<SaveFailure> CheckSchedule(bool useSchedule, int32_t days);
