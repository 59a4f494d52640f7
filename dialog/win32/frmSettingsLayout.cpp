#include "dialog/win32/frmSettings.h"

#include "dialog/SettingsLayout.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Text.h"

#include <commctrl.h>

namespace {

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// No control is a default push button: Enter and Esc trigger nothing in this dialog.
WindowKind KindOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::GroupBox: return {L"Button", BS_GROUPBOX, 0};
    case ControlKind::ListBox:
        return {L"ListBox", LBS_NOTIFY | LBS_WANTKEYBOARDINPUT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineText:
        return {L"Edit", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Text: return {L"Edit", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::ReadOnlyText: return {L"Edit", ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Button: return {L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Label: return {L"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::WrappingLabel: return {L"Static", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::CheckBox: return {L"Button", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::DropDownList: return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ColorSwatch: return {L"Button", BS_OWNERDRAW | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::TimePicker: return {DATETIMEPICK_CLASSW, DTS_TIMEFORMAT | DTS_UPDOWN | WS_TABSTOP, 0};
    case ControlKind::HorizontalScrollBar: break;
    }
    return {L"ScrollBar", SBS_HORZ | WS_TABSTOP, 0};
}

// A drop-down list is given the height of its list; its closed box then gets the height of
// the layout.
constexpr int kDroppedListHeight = 300;

int WindowHeight(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

// Reading and setting the height of the selection field disagree by a few pixels on some
// systems, so the field is set once to what it reports before the difference is measured.
void FitClosedHeight(HWND combo, int height)
{
    const LRESULT field = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field + height - WindowHeight(combo));
}

// The stock GUI font, today's face and point size, made for a DPI: the stock font itself is
// made for the system's DPI.
UniqueFont DialogFont(UINT dpi)
{
    LOGFONTW description{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    description.lfHeight = MulDiv(description.lfHeight, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
    return UniqueFont(CreateFontIndirectW(&description));
}

}  // namespace

void frmSettings::CreateControls()
{
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    for (const ControlSpec& spec : SettingsLayout()) {
        const WindowKind kind = KindOf(spec.kind);
        CreateWindowExW(kind.exStyle, kind.className, Wide(spec.text).c_str(), WS_CHILD | WS_VISIBLE | kind.style, 0,
                        0, 0, 0, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
    }
    LayOut();
    // The default limit of about 32,000 characters would cut a long pasted list short.
    SendMessageW(Control(txtNewMsg), EM_SETLIMITTEXT, 0, 0);
    SetUpOpacityBar();
    SetUpSchedule();
    txtNewMsg_.Attach(Control(txtNewMsg));
    txtHkStart_.Attach(Control(txtHkStart));
    txtHkStop_.Attach(Control(txtHkStop));
}

void frmSettings::LayOut()
{
    const int dpi = static_cast<int>(dpi_);
    UniqueFont font = DialogFont(dpi_);
    for (const ControlSpec& spec : SettingsLayout()) {
        const ControlRect r = ScaleToDpi(ClientRect(spec), dpi);
        const int height = r.height + (spec.kind == ControlKind::DropDownList ? ScaleToDpi(kDroppedListHeight, dpi) : 0);
        const HWND control = Control(spec.id);
        MoveWindow(control, r.x, r.y, r.width, height, FALSE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    }
    // The controls have let go of the old font by now.
    font_ = std::move(font);
    FitClosedHeight(Control(cboFont), ScaleToDpi(LayoutOf(cboFont).position.height, dpi));
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The window was moved to a monitor of another scale, or the scale changed under it.
void frmSettings::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    dpi_ = dpi;
    LayOut();
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
