#include "dialog/SaveChecks.h"

#include "dialog/DialogFields.h"
#include "dialog/ValidateNumber.h"

#include <optional>

std::variant<Settings, SaveFailure> CheckSave(const BoxText& textOf, Settings record)
{
    for (const NumberBox& number : kNumberBoxes) {
        const SettingsField& field = number.field;
        const std::optional<int32_t> value = ValidateNumber(textOf(number.box), field.range->lo, field.range->hi);
        if (!value)
            return SaveFailure{number.box, true, NumberRangeMessage(field.checkLabel, field.range->lo, field.range->hi)};
        record.*number.Member() = *value;
        // The order checks leave the maximum box's selection as the user had it.
        if (field.notBelow && *value < record.*field.notBelow)
            return SaveFailure{number.box, false, number.orderMessage};
    }
    return record;
}

std::optional<SaveFailure> CheckSchedule(bool useSchedule, int32_t days)
{
    if (useSchedule && days == 0)
        return SaveFailure{chkDay1, false, "Choose at least one day for the schedule."};
    return std::nullopt;
}

std::string UnsavedText(std::string_view where, std::string_view reason)
{
    return std::string("Your settings could not be saved to\r\n").append(where).append("\r\n\r\n").append(reason) +
           "\r\n\r\nThey stay in effect until Halcyra exits.";
}
