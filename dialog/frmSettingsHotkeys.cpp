#include "dialog/frmSettings.h"

#include "hotkeys/CaptureHotkey.h"
#include "hotkeys/modHotkey.h"

namespace {

int32_t ShiftState()
{
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftStateShift : 0) | (GetKeyState(VK_CONTROL) < 0 ? kShiftStateCtrl : 0) |
           (GetKeyState(VK_MENU) < 0 ? kShiftStateAlt : 0);
}

// Either Windows key, as it is now: the system keeps no ordinary shift state for them.
bool WindowsKeyDown()
{
    return GetAsyncKeyState(91) < 0 || GetAsyncKeyState(92) < 0;
}

CaptureDecision Decide(WPARAM keyCode)
{
    return DecideCapture(static_cast<int32_t>(keyCode), ShiftState(), WindowsKeyDown());
}

bool IsKeyDown(UINT message)
{
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

}  // namespace

// The boxes are read-only, but a read-only box still moves its caret, copies, and hands
// Alt combinations to the system menu: every key but a plain Tab stops here.
LRESULT CALLBACK frmSettings::CaptureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto& subclass = *reinterpret_cast<const Subclass*>(GetWindowLongPtrA(box, GWLP_USERDATA));
    const std::shared_ptr<frmSettings> keep = subclass.form->shared_from_this();
    frmSettings& form = *subclass.form;
    const bool isStart = GetDlgCtrlID(box) == txtHkStart;
    switch (message) {
    case WM_GETDLGCODE: {
        const LRESULT code = CallWindowProcA(subclass.original, box, message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        // Otherwise the dialog would take Ctrl+Tab, Enter and Esc before the box sees them.
        if (msg && IsKeyDown(msg->message) && Decide(msg->wParam).action != CaptureAction::PassOn)
            return code | DLGC_WANTALLKEYS | DLGC_WANTTAB;
        return code;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (form.CaptureHotkey(isStart ? txtHkStart : txtHkStop, static_cast<int32_t>(wParam), ShiftState(),
                               isStart ? form.mStartMod : form.mStopMod, isStart ? form.mStartKey : form.mStopKey))
            return 0;
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_SYSKEYUP:
        return 0;
    }
    return CallWindowProcA(subclass.original, box, message, wParam, lParam);
}

bool frmSettings::CaptureHotkey(SettingsControl box, int32_t keyCode, int32_t shiftState, int32_t& mod,
                                int32_t& key)
{
    const CaptureDecision decision = DecideCapture(keyCode, shiftState, WindowsKeyDown());
    switch (decision.action) {
    case CaptureAction::PassOn: return false;
    case CaptureAction::Wait: return true;
    case CaptureAction::Refuse: MessageBeep(MB_OK); return true;
    case CaptureAction::Clear:
        mod = 0;
        key = 0;
        break;
    case CaptureAction::Capture:
        mod = decision.mod;
        key = decision.key;
        break;
    }
    SetText(box, HotkeyText(mod, key));
    return true;
}

void frmSettings::ShowHotkeys()
{
    SetText(txtHkStart, HotkeyText(mStartMod, mStartKey));
    SetText(txtHkStop, HotkeyText(mStopMod, mStopKey));
}

void frmSettings::cmdClrStart_Click()
{
    mStartMod = 0;
    mStartKey = 0;
    SetText(txtHkStart, HotkeyText(mStartMod, mStartKey));
}

void frmSettings::cmdClrStop_Click()
{
    mStopMod = 0;
    mStopKey = 0;
    SetText(txtHkStop, HotkeyText(mStopMod, mStopKey));
}
