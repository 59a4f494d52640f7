#pragma once
#include "dialog/SettingsControls.h"
#include "settings/SettingsFields.h"

// Which box of the dialog edits which field of the record. The dialog fills the boxes from
// the record when it opens and Save takes them back, the numbers after its checks.

// The number boxes, in the order Save checks them. A maximum that may not be below its
// minimum is refused with orderMessage.
struct NumberBox {
    SettingsControl box;
    const SettingsField& field;
    const char* orderMessage = nullptr;

    NumberField Member() const { return std::get<NumberField>(field.member); }
};

inline constexpr NumberBox kNumberBoxes[] = {
    {txtIntMin, FieldOf(&Settings::IntervalMin)},
    {txtIntMax, FieldOf(&Settings::IntervalMax), "Maximum interval must be greater than or equal to the minimum."},
    {txtDuration, FieldOf(&Settings::DurationMs)},
    {txtSizeMin, FieldOf(&Settings::FontSizeMin)},
    {txtSizeMax, FieldOf(&Settings::FontSizeMax), "Maximum font size must be greater than or equal to the minimum."},
};

struct CheckBox {
    SettingsControl box;
    FlagField field;
};

inline constexpr CheckBox kCheckBoxes[] = {
    {chkBold, &Settings::Bold},
    {chkRandomColor, &Settings::RandomColor},
    {chkAllMonitors, &Settings::AllMonitors},
    {chkStartWindows, &Settings::StartWithWindows},
    {chkStartActive, &Settings::StartActive},
    {chkPauseBusy, &Settings::PauseWhenBusy},
    {chkHideCapture, &Settings::HideFromCapture},
    {chkSchedule, &Settings::UseSchedule},
};

// The schedule's day boxes, the first day of the user's week first.
inline constexpr SettingsControl kDayBoxes[] = {chkDay1, chkDay2, chkDay3, chkDay4, chkDay5, chkDay6, chkDay7};

// The day a day box stands for, counted from Monday, in a week that begins on firstDay
// (0 for Monday to 6 for Sunday, as the user's locale says).
constexpr int32_t DayOfBox(int32_t box, int32_t firstDay)
{
    return (firstDay + box) % 7;
}
