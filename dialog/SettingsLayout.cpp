#include "dialog/SettingsLayout.h"

#include <algorithm>
#include <iterator>

namespace {

using K = ControlKind;
constexpr std::nullopt_t none = std::nullopt;

// clang-format off
constexpr ControlSpec kLayout[] = {
    {fraMessages,     none,        K::GroupBox,            "Messages",                  {8, 8, 289, 540}},
    {lstMessages,     fraMessages, K::ListBox,             "",                          {8, 20, 273, 380}},
    {txtNewMsg,       fraMessages, K::MultiLineText,       "",                          {8, 404, 273, 49}},
    {cmdAdd,          fraMessages, K::Button,              "Add",                       {8, 460, 85, 25}},
    {cmdUpdate,       fraMessages, K::Button,              "Update",                    {100, 460, 85, 25}},
    {cmdRemove,       fraMessages, K::Button,              "Remove",                    {192, 460, 89, 25}},
    {lblMsgHint,      fraMessages, K::WrappingLabel,
     "Paste several lines to add many at once (Ctrl+Enter adds). Select a message to edit it.", {8, 492, 273, 33}},
    {fraTiming,       none,        K::GroupBox,            "Timing",                    {304, 8, 289, 89}},
    {txtIntMin,       fraTiming,   K::Text,                "",                          {128, 20, 49, 21}},
    {txtIntMax,       fraTiming,   K::Text,                "",                          {216, 20, 49, 21}},
    {txtDuration,     fraTiming,   K::Text,                "",                          {128, 50, 49, 21}},
    {lblIntMin,       fraTiming,   K::Label,               "Every (sec)   min",         {8, 22, 117, 17}},
    {lblIntMax,       fraTiming,   K::Label,               "max",                       {184, 22, 29, 17}},
    {lblDuration,     fraTiming,   K::Label,               "Visible for (ms)",          {8, 52, 117, 17}},
    {lblDurNote,      fraTiming,   K::Label,               "e.g. 30 - 200",             {184, 52, 97, 17}},
    {fraLook,         none,        K::GroupBox,            "Appearance",                {304, 104, 289, 156}},
    {cboFont,         fraLook,     K::DropDownList,        "",                          {72, 20, 209, 21}},
    {txtSizeMin,      fraLook,     K::Text,                "",                          {72, 50, 41, 21}},
    {txtSizeMax,      fraLook,     K::Text,                "",                          {152, 50, 41, 21}},
    {chkBold,         fraLook,     K::CheckBox,            "Bold",                      {200, 52, 81, 17}},
    {picColor,        fraLook,     K::ColorSwatch,         "",                          {72, 79, 41, 23}},
    {chkRandomColor,  fraLook,     K::CheckBox,            "Random colours",            {120, 82, 161, 17}},
    {hsbOpacity,      fraLook,     K::HorizontalScrollBar, "",                          {72, 112, 161, 17}},
    {chkAllMonitors,  fraLook,     K::CheckBox,            "Use all monitors",          {8, 133, 273, 17}},
    {lblFont,         fraLook,     K::Label,               "Font",                      {8, 22, 57, 17}},
    {lblSize,         fraLook,     K::Label,               "Size min",                  {8, 52, 57, 17}},
    {lblSizeMax,      fraLook,     K::Label,               "max",                       {120, 52, 29, 17}},
    {lblColor,        fraLook,     K::Label,               "Colour",                    {8, 82, 57, 17}},
    {lblOpacityCap,   fraLook,     K::Label,               "Opacity",                   {8, 112, 57, 17}},
    {lblOpacity,      fraLook,     K::Label,               "100%",                      {240, 112, 41, 17}},
    {fraHotkeys,      none,        K::GroupBox,            "System-wide hotkeys",       {304, 264, 289, 105}},
    {txtHkStart,      fraHotkeys,  K::ReadOnlyText,        "",                          {72, 20, 161, 21}},
    {cmdClrStart,     fraHotkeys,  K::Button,              "Clear",                     {240, 20, 41, 21}},
    {txtHkStop,       fraHotkeys,  K::ReadOnlyText,        "",                          {72, 48, 161, 21}},
    {cmdClrStop,      fraHotkeys,  K::Button,              "Clear",                     {240, 48, 41, 21}},
    {lblHkStart,      fraHotkeys,  K::Label,               "Start",                     {8, 22, 57, 17}},
    {lblHkStop,       fraHotkeys,  K::Label,               "Stop",                      {8, 50, 57, 17}},
    {lblHkHint,       fraHotkeys,  K::WrappingLabel,
     "Click a box, then press the combo. Use the same combo for both to make it a toggle.", {8, 74, 273, 26}},
    {fraGeneral,      none,        K::GroupBox,            "General",                   {304, 376, 289, 92}},
    {chkStartWindows, fraGeneral,  K::CheckBox,            "Start with Windows",        {8, 16, 273, 17}},
    {chkStartActive,  fraGeneral,  K::CheckBox,
     "Start showing messages as soon as it launches",                                    {8, 34, 273, 17}},
    {chkPauseBusy,    fraGeneral,  K::CheckBox,            "Pause during full-screen programs",
                                                                                         {8, 52, 273, 17}},
    {chkHideCapture,  fraGeneral,  K::CheckBox,            "Hide from screenshots and screen sharing",
                                                                                         {8, 70, 273, 17}},
    {fraSchedule,     none,        K::GroupBox,            "Schedule",                  {304, 476, 289, 72}},
    {chkSchedule,     fraSchedule, K::CheckBox,            "Only between",              {8, 18, 90, 17}},
    {dtpFrom,         fraSchedule, K::TimePicker,          "",                          {100, 16, 76, 21}},
    {lblAnd,          fraSchedule, K::Label,               "and",                       {180, 18, 22, 17}},
    {dtpTo,           fraSchedule, K::TimePicker,          "",                          {205, 16, 76, 21}},
    // Named after the user's days when the dialog is made.
    {chkDay1,         fraSchedule, K::CheckBox,            "",                          {8, 44, 37, 17}},
    {chkDay2,         fraSchedule, K::CheckBox,            "",                          {47, 44, 37, 17}},
    {chkDay3,         fraSchedule, K::CheckBox,            "",                          {86, 44, 37, 17}},
    {chkDay4,         fraSchedule, K::CheckBox,            "",                          {125, 44, 37, 17}},
    {chkDay5,         fraSchedule, K::CheckBox,            "",                          {164, 44, 37, 17}},
    {chkDay6,         fraSchedule, K::CheckBox,            "",                          {203, 44, 37, 17}},
    {chkDay7,         fraSchedule, K::CheckBox,            "",                          {242, 44, 37, 17}},
    {cmdPreview,      none,        K::Button,              "Preview",                   {8, 556, 100, 28}},
    {cmdSave,         none,        K::Button,              "Save",                      {400, 556, 89, 28}},
    {cmdCancel,       none,        K::Button,              "Cancel",                    {504, 556, 89, 28}},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> SettingsLayout()
{
    return kLayout;
}

const ControlSpec& LayoutOf(SettingsControl id)
{
    return *std::find_if(std::begin(kLayout), std::end(kLayout), [id](const ControlSpec& c) { return c.id == id; });
}

ControlRect ClientRect(const ControlSpec& control)
{
    ControlRect rect = control.position;
    if (!control.group)
        return rect;
    const ControlRect& group = LayoutOf(*control.group).position;
    rect.x += group.x;
    rect.y += group.y;
    return rect;
}

int ScaleToDpi(int length, int dpi)
{
    return (2 * length * dpi + kLayoutDpi) / (2 * kLayoutDpi);
}

ControlRect ScaleToDpi(const ControlRect& rect, int dpi)
{
    const int x = ScaleToDpi(rect.x, dpi);
    const int y = ScaleToDpi(rect.y, dpi);
    return {x, y, ScaleToDpi(rect.x + rect.width, dpi) - x, ScaleToDpi(rect.y + rect.height, dpi) - y};
}
