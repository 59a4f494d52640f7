#include "dialog/win32/frmSettings.h"

#include "dialog/SettingsLayout.h"
#include "platform/win32/Text.h"

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
    case ControlKind::HorizontalScrollBar: break;
    }
    return {L"ScrollBar", SBS_HORZ | WS_TABSTOP, 0};
}

// A drop-down list is created with the height of its list; its closed box then gets the
// height of the layout.
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

}  // namespace

void frmSettings::CreateControls()
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlSpec& spec : SettingsLayout()) {
        const WindowKind kind = KindOf(spec.kind);
        const ControlRect r = ClientRect(spec);
        const int height = spec.kind == ControlKind::DropDownList ? r.height + kDroppedListHeight : r.height;
        const HWND control = CreateWindowExW(kind.exStyle, kind.className, Wide(spec.text).c_str(),
                                             WS_CHILD | WS_VISIBLE | kind.style, r.x, r.y, r.width, height,
                                             Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                                             instance, nullptr);
        SendMessageW(control, WM_SETFONT, font, FALSE);
    }
    FitClosedHeight(Control(cboFont), LayoutOf(cboFont).position.height);
    // The default limit of about 32,000 characters would cut a long pasted list short.
    SendMessageW(Control(txtNewMsg), EM_SETLIMITTEXT, 0, 0);
    SetUpOpacityBar();
    txtNewMsg_.Attach(Control(txtNewMsg));
    txtHkStart_.Attach(Control(txtHkStart));
    txtHkStop_.Attach(Control(txtHkStop));
}
