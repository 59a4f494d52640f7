#include "hotkeys/win32/CaptureBox.h"

#include "hotkeys/CaptureHotkey.h"
#include "hotkeys/win32/modHotkey.h"
#include "platform/win32/Controls.h"

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

bool IsKeyDown(UINT message)
{
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

}  // namespace

bool CaptureHotkey(HWND box, int32_t keyCode, int32_t shiftState, int32_t& mod, int32_t& key)
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

void CaptureBox::Set(int32_t mod, int32_t key)
{
    mod_ = mod;
    key_ = key;
    SetText(Control(), HotkeyText(mod_, key_));
}

// The box is read-only, but a read-only box still moves its caret, copies, and hands Alt
// combinations to the system menu: every key but a plain Tab stops here.
LRESULT CaptureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        const LRESULT code = Original(message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        // Otherwise the dialog would take Ctrl+Tab, Enter and Esc before the box sees them.
        if (msg && IsKeyDown(msg->message) &&
            DecideCapture(static_cast<int32_t>(msg->wParam), ShiftState(), WindowsKeyDown()).action !=
                CaptureAction::PassOn)
            return code | DLGC_WANTALLKEYS | DLGC_WANTTAB;
        return code;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (CaptureHotkey(Control(), static_cast<int32_t>(wParam), ShiftState(), mod_, key_))
            return 0;
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_SYSKEYUP:
        return 0;
    }
    return Original(message, wParam, lParam);
}
