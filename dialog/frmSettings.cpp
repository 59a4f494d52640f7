#include "dialog/frmSettings.h"

#include <utility>
#include <variant>

#include "app/frmMain.h"
#include "dialog/DialogValues.h"
#include "dialog/SaveChecks.h"
#include "dialog/SettingsLayout.h"
#include "hotkeys/modHotkey.h"
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

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kSettingsWindowClass;
    RegisterClassExA(&wc);  // fails harmlessly when an earlier dialog registered it
}

// The window rectangle whose client area has the dialog's size, centred on the screen.
RECT CentredFrame()
{
    RECT frame{0, 0, kSettingsClientWidth, kSettingsClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return RECT{x, y, x + width, y + height};
}

SettingsControl BoxOf(NumberBox box)
{
    switch (box) {
    case NumberBox::IntMin: return txtIntMin;
    case NumberBox::IntMax: return txtIntMax;
    case NumberBox::Duration: return txtDuration;
    case NumberBox::SizeMin: return txtSizeMin;
    case NumberBox::SizeMax: break;
    }
    return txtSizeMax;
}

}  // namespace

HWND frmSettings::Create(HINSTANCE instance)
{
    if (openDialog)
        return openDialog;
    RegisterFormClass(instance, &FormProc);
    const std::shared_ptr<frmSettings> form(new frmSettings);
    const RECT frame = CentredFrame();
    return CreateWindowExA(kExStyle, kSettingsWindowClass, kTitle, kStyle, frame.left, frame.top,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                           form.get());
}

LRESULT CALLBACK frmSettings::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<frmSettings*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->window_ = window;
        created->self_ = created->shared_from_this();
        openDialog = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* form = reinterpret_cast<frmSettings*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcA(window, message, wParam, lParam);
    // A handler may run a message box or the colour chooser, inside which the dialog can
    // be destroyed: the object outlives the handler all the same.
    const std::shared_ptr<frmSettings> keep = form->shared_from_this();
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT frmSettings::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls();
        Form_Load();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == Control(hsbOpacity))
            hsbOpacity_Scroll(LOWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_VKEYTOITEM:
        if (LOWORD(wParam) != VK_DELETE)
            return -1;
        cmdRemove_Click();
        return -2;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_NEXTDLGCTL:
        // A multi-line box hands Tab to its parent this way instead of taking it.
        SetFocus(lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window_, GetFocus(), wParam != 0));
        return 0;
    case WM_DESTROY:
        if (openDialog == window_)
            openDialog = nullptr;
        Form_Unload();
        return 0;
    case WM_NCDESTROY: {
        const HWND window = std::exchange(window_, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self_.reset();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void frmSettings::OnCommand(int id, int code)
{
    if (id == lstMessages) {
        if (code == LBN_SELCHANGE)
            lstMessages_Click();
        return;
    }
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case cmdAdd: cmdAdd_Click(); break;
    case cmdUpdate: cmdUpdate_Click(); break;
    case cmdRemove: cmdRemove_Click(); break;
    case picColor: picColor_Click(); break;
    case cmdClrStart: cmdClrStart_Click(); break;
    case cmdClrStop: cmdClrStop_Click(); break;
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
        if (focus && IsChild(window_, focus))
            lastFocus_ = focus;
        return;
    }
    if (lastFocus_ && IsWindow(lastFocus_))
        SetFocus(lastFocus_);
}

HWND frmSettings::Control(SettingsControl id) const
{
    return GetDlgItem(window_, id);
}

std::string frmSettings::TextOf(SettingsControl id) const
{
    const HWND control = Control(id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void frmSettings::SetText(SettingsControl id, const std::string& text)
{
    SetWindowTextA(Control(id), text.c_str());
}

bool frmSettings::IsChecked(SettingsControl id) const
{
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmSettings::SetChecked(SettingsControl id, bool checked)
{
    SendMessageA(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void frmSettings::Form_Load()
{
    UnregisterHotkeys();
    FillFonts();
    SelectFont(gSettings.FontName);
    FillMessages();
    SetText(txtNewMsg, "");
    SetText(txtIntMin, std::to_string(gSettings.IntervalMin));
    SetText(txtIntMax, std::to_string(gSettings.IntervalMax));
    SetText(txtDuration, std::to_string(gSettings.DurationMs));
    SetText(txtSizeMin, std::to_string(gSettings.FontSizeMin));
    SetText(txtSizeMax, std::to_string(gSettings.FontSizeMax));
    SetChecked(chkBold, gSettings.Bold);
    mColor = gSettings.Color;
    InvalidateRect(Control(picColor), nullptr, FALSE);
    SetChecked(chkRandomColor, gSettings.RandomColor);
    SetOpacityPosition(ClampLong(gSettings.Opacity, 10, 255));
    UpdateOpacityLabel();
    SetChecked(chkAllMonitors, gSettings.AllMonitors);
    SetChecked(chkStartWindows, gSettings.StartWithWindows);
    SetChecked(chkStartActive, gSettings.StartActive);
    mStartMod = gSettings.StartMod;
    mStartKey = gSettings.StartKey;
    mStopMod = gSettings.StopMod;
    mStopKey = gSettings.StopKey;
    ShowHotkeys();
    lastFocus_ = Control(lstMessages);
}

void frmSettings::Form_Unload()
{
    if (AppExiting)
        return;
    const std::string report = RegisterHotkeys();
    if (!report.empty())
        MessageBoxA(nullptr, report.c_str(), "Halcyra", MB_OK | MB_ICONEXCLAMATION);
    // The tray menu stays usable behind the box: the program may have begun to exit.
    if (!AppExiting)
        MainForm()->UpdateUI();
}

void frmSettings::cmdSave_Click()
{
    const auto checked = CheckSave(NumberBoxTexts{TextOf(txtIntMin), TextOf(txtIntMax), TextOf(txtDuration),
                                                  TextOf(txtSizeMin), TextOf(txtSizeMax)});
    if (const auto* failure = std::get_if<SaveFailure>(&checked)) {
        MessageBoxA(window_, failure->message.c_str(), "Halcyra", MB_OK | MB_ICONEXCLAMATION);
        if (!window_)  // the program exited while the box was open
            return;
        // The owner of a closed message box does not always become the foreground window
        // again (seen under Wine with a window manager): ask for it, and remember the box
        // for whenever the dialog is activated.
        const HWND box = Control(BoxOf(failure->box));
        lastFocus_ = box;
        SetForegroundWindow(window_);
        SetFocus(box);
        if (failure->selectAll)
            SendMessageA(box, EM_SETSEL, 0, -1);
        return;
    }
    const DialogValues values{.fontName = SelectedFont(),
                              .bold = IsChecked(chkBold),
                              .color = mColor,
                              .randomColor = IsChecked(chkRandomColor),
                              .opacity = OpacityPosition(),
                              .allMonitors = IsChecked(chkAllMonitors),
                              .startWithWindows = IsChecked(chkStartWindows),
                              .startActive = IsChecked(chkStartActive),
                              .startMod = mStartMod,
                              .startKey = mStartKey,
                              .stopMod = mStopMod,
                              .stopKey = mStopKey,
                              .messages = messages_.Entries()};
    AssignSettings(gSettings, std::get<CheckedNumbers>(checked), values);
    SaveSettings();
    ApplyStartWithWindows(gSettings.StartWithWindows);
    MainForm()->SettingsChanged();
    DestroyWindow(window_);
}

void frmSettings::cmdCancel_Click()
{
    DestroyWindow(window_);
}

HWND SettingsDialog()
{
    return openDialog;
}

void CloseSettingsDialog()
{
    if (openDialog)
        DestroyWindow(openDialog);
}

bool IsSettingsDialogMessage(MSG& msg)
{
    return openDialog && IsDialogMessageA(openDialog, &msg);
}
