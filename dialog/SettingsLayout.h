#pragma once
#include <optional>
#include <span>

#include "dialog/SettingsControls.h"

// What kind of system control stands for each entry of the dialog's layout.
enum class ControlKind {
    GroupBox,
    ListBox,        // single selection, unsorted
    MultiLineText,  // with a vertical scroll bar
    Text,
    ReadOnlyText,
    Button,
    Label,
    WrappingLabel,
    CheckBox,
    DropDownList,   // pick only, no typing
    ColorSwatch,    // a clickable box filled with one colour
    HorizontalScrollBar,
    TimePicker,     // hours and minutes, set with arrows
};

struct ControlRect {
    int x;
    int y;
    int width;
    int height;

    bool operator==(const ControlRect&) const = default;
};

// One control: its position is relative to its group box when it has one, otherwise to
// the client area.
struct ControlSpec {
    SettingsControl id;
    std::optional<SettingsControl> group;
    ControlKind kind;
    const char* text;
    ControlRect position;
};

// The layout's positions and sizes are at this DPI; a window at another scales them.
inline constexpr int kLayoutDpi = 96;

// The dialog's client area at 96 dots per inch.
inline constexpr int kSettingsClientWidth = 601;
inline constexpr int kSettingsClientHeight = 592;

// Every control in tab order, which is also the order of creation.
std::span<const ControlSpec> SettingsLayout();
const ControlSpec& LayoutOf(SettingsControl id);

// Where a control lies in the client area, at 96 dots per inch.
ControlRect ClientRect(const ControlSpec& control);

// A length of the layout at a DPI, to the nearest pixel, halves up.
int ScaleToDpi(int length, int dpi);
// A rectangle of the layout at a DPI. Its edges are scaled, not its size, so that controls
// that touch at 96 dots per inch still touch.
ControlRect ScaleToDpi(const ControlRect& rect, int dpi);
