#include "dialog/win32/frmSettings.h"

#include <utility>
#include <variant>

#include "dialog/DialogFields.h"
#include "dialog/DurationNote.h"
#include "dialog/SettingsLayout.h"
#include "hotkeys/win32/modHotkey.h"
#include "platform/AppExiting.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/ProgramIcon.h"
#include "platform/win32/Text.h"
#include "settings/Settings.h"
#include "settings/StartWithWindows.h"
#include "settings/modSettings.h"

namespace {

constexpr char kTitle[] = "Halcyra - Settings";
// A fixed frame with a close box only; no icon in the caption; a taskbar button of its own.
// No WS_CLIPCHILDREN: group boxes leave their inside for the dialog to paint.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

// Cleared as soon as the window begins to go, so that a ShowSettings from inside its close
// handler's message box makes a fresh dialog instead of reviving this one.
HWND openDialog = nullptr;

// The window rectangle whose client area has the dialog's size, centred on the primary
// screen, at that screen's DPI.
RECT CentredFrame()
{
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    const int dpi = static_cast<int>(DpiOfMonitor(primary, SystemMonitorDpiQuery()));
    RECT frame{0, 0, ScaleToDpi(kSettingsClientWidth, dpi), ScaleToDpi(kSettingsClientHeight, dpi)};
    AdjustFrameForDpi(frame, kStyle, kExStyle, static_cast<UINT>(dpi));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return RECT{x, y, x + width, y + height};
}

}  // namespace

HWND frmSettings::Create(HINSTANCE instance, SettingsHost& host)
{
    if (openDialog)
        return openDialog;
    const auto form = std::make_shared<frmSettings>(host);
    form->self_ = form;
    // The icon shows on the dialog's taskbar button, never in its caption (a modal frame).
    const Class windowClass{.name = kSettingsWindowClass,
                            .icon = LoadProgramIcon(instance, GetSystemMetrics(SM_CXICON), LR_SHARED),
                            .smallIcon = LoadProgramIcon(instance, GetSystemMetrics(SM_CXSMICON), LR_SHARED),
                            .cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),  // IDC_ARROW
                            .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
    form->Window::Create(instance, windowClass, kExStyle, kTitle, kStyle, CentredFrame());
    if (!form->Handle())
        form->self_.reset();
    return form->Handle();
}

// A handler may run a message box or the colour chooser, inside which the dialog can be
// destroyed: the object outlives the handler all the same.
LRESULT frmSettings::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const std::shared_ptr<frmSettings> keep = weak_from_this().lock();
    return Dispatch(message, wParam, lParam);
}

LRESULT frmSettings::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        openDialog = Handle();
        dpi_ = DpiOfWindow(Handle());
        CreateControls();
        Form_Load();
        return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == Control(hsbOpacity))
            hsbOpacity_Scroll(LOWORD(wParam));
        return 0;
    case WM_DRAWITEM: DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_VKEYTOITEM: return lstMessages_KeyDown(LOWORD(wParam));
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_NEXTDLGCTL:
        // A multi-line box hands Tab to its parent this way instead of taking it.
        SetFocus(lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0));
        return 0;
    case WM_DESTROY:
        if (openDialog == Handle())
            openDialog = nullptr;
        Form_Unload();
        return 0;
    }
    return Default(message, wParam, lParam);
}

void frmSettings::Destroyed()
{
    self_.reset();
}

void frmSettings::OnCommand(int id, int code)
{
    if (id == lstMessages) {
        if (code == LBN_SELCHANGE)
            lstMessages_Click();
        return;
    }
    if (id == txtDuration) {
        if (code == EN_CHANGE)
            UpdateDurationNote();
        return;
    }
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case cmdAdd: cmdAdd_Click(); break;
    case cmdUpdate: cmdUpdate_Click(); break;
    case cmdRemove: cmdRemove_Click(); break;
    case picColor: picColor_Click(); break;
    case chkSchedule: chkSchedule_Click(); break;
    case cmdClrStart: txtHkStart_.Set(0, 0); break;
    case cmdClrStop: txtHkStop_.Set(0, 0); break;
    case cmdPreview: cmdPreview_Click(); break;
    case cmdSave: cmdSave_Click(); break;
    case cmdCancel: cmdCancel_Click(); break;
    }
}

// A plain window forgets its focused control when it is deactivated; a dialog should not.
void frmSettings::OnActivate(bool active)
{
    if (!active) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus))
            lastFocus_ = focus;
        return;
    }
    if (lastFocus_ && IsWindow(lastFocus_))
        SetFocus(lastFocus_);
}

HWND frmSettings::Control(SettingsControl id) const
{
    return GetDlgItem(Handle(), id);
}

std::string frmSettings::TextOf(SettingsControl id) const
{
    return ::TextOf(Control(id));
}

void frmSettings::SetText(SettingsControl id, const std::string& text)
{
    ::SetText(Control(id), text);
}

void frmSettings::Form_Load()
{
    UnregisterHotkeys(host_.HotkeyWindow());
    FillFonts();
    SelectFont(gSettings.FontName);
    FillMessages();
    SetText(txtNewMsg, "");
    for (const NumberBox& number : kNumberBoxes)
        SetText(number.box, std::to_string(gSettings.*number.Member()));
    UpdateDurationNote();
    for (const CheckBox& check : kCheckBoxes)
        SetChecked(Control(check.box), gSettings.*check.field);
    mColor = gSettings.Color;
    InvalidateRect(Control(picColor), nullptr, FALSE);
    constexpr Range opacities = RangeOf(&Settings::Opacity);
    SetOpacityPosition(ClampLong(gSettings.Opacity, opacities.lo, opacities.hi));
    UpdateOpacityLabel();
    txtHkStart_.Set(gSettings.StartMod, gSettings.StartKey);
    txtHkStop_.Set(gSettings.StopMod, gSettings.StopKey);
    FillSchedule();
    lastFocus_ = Control(lstMessages);
}

void frmSettings::Form_Unload()
{
    if (AppExiting)
        return;
    const std::string report = RegisterHotkeys(host_.HotkeyWindow());
    if (!report.empty())
        ShowWarning(nullptr, report);
    // The tray menu stays usable behind the box: the program may have begun to exit.
    if (!AppExiting)
        host_.UpdateUI();
}

void frmSettings::cmdSave_Click()
{
    auto checked = CheckSave([this](SettingsControl box) { return TextOf(box); }, gSettings);
    if (const auto* failure = std::get_if<SaveFailure>(&checked)) {
        ShowRefusal(*failure);
        return;
    }
    const Settings edited = EditedSettings(std::get<Settings>(std::move(checked)));
    if (const std::optional<SaveFailure> failure = CheckSchedule(edited.UseSchedule, edited.Days)) {
        ShowRefusal(*failure);
        return;
    }
    gSettings = edited;
    ReportUnsaved(SaveSettings(), SettingsFilePath());
    ReportUnsaved(ApplyStartWithWindows(gSettings.StartWithWindows), std::string("HKEY_CURRENT_USER\\") + kRunKey);
    if (!Handle())  // the program exited while a box was open
        return;
    host_.SettingsChanged();
    Destroy();
}

// What could not be stored is still applied: the user learns that it will not last.
void frmSettings::ReportUnsaved(uint32_t error, const std::string& where)
{
    if (error != ERROR_SUCCESS && Handle())
        ShowWarning(Handle(), UnsavedText(where, SystemErrorText(error)));
}

void frmSettings::ShowRefusal(const SaveFailure& failure)
{
    ShowWarning(Handle(), failure.message);
    if (!Handle())  // the program exited while the box was open
        return;
    // The owner of a closed message box does not always become the foreground window
    // again (seen under Wine with a window manager): ask for it, and remember the box
    // for whenever the dialog is activated.
    const HWND box = Control(failure.box);
    lastFocus_ = box;
    SetForegroundWindow(Handle());
    SetFocus(box);
    if (failure.selectAll)
        SendMessageW(box, EM_SETSEL, 0, -1);
}

// The record as the dialog shows it, given the record with the checked numbers.
Settings frmSettings::EditedSettings(Settings s) const
{
    for (const CheckBox& check : kCheckBoxes)
        s.*check.field = IsChecked(Control(check.box));
    s.FontName = SelectedFont();
    s.Color = mColor;
    s.Opacity = OpacityPosition();
    s.StartMod = mStartMod;
    s.StartKey = mStartKey;
    s.StopMod = mStopMod;
    s.StopKey = mStopKey;
    s.Messages = messages_.Entries();
    EditSchedule(s);
    return s;
}

void frmSettings::cmdCancel_Click()
{
    Destroy();
}

// Read afresh as the user types: the display may have changed since the dialog opened.
void frmSettings::UpdateDurationNote()
{
    SetText(lblDurNote, DurationNoteText(TextOf(txtDuration), host_.ReadFrameGrid().period));
}

void CloseSettingsDialog()
{
    if (openDialog)
        DestroyWindow(openDialog);
}

bool IsSettingsDialogMessage(MSG& msg)
{
    return openDialog && IsDialogMessageW(openDialog, &msg);
}
