#include "app/win32/WindowHook.h"

#include "app/FlashScheduler.h"
#include "app/HookDecision.h"
#include "app/win32/frmMain.h"

UINT TaskbarCreatedMessage = 0;

namespace {

HWND hookedWindow = nullptr;
// Also the mark that the hook is in place.
WNDPROC previousProc = nullptr;

void Perform(frmMain& form, HookAction action)
{
    switch (action) {
    case HookAction::StartFlashing: form.StartFlashing(); break;
    case HookAction::StopFlashing: form.StopFlashing(); break;
    case HookAction::ToggleFlashing: form.ToggleFlashing(); break;
    case HookAction::QueueSettings: form.QueueAction(ActionSettings); break;
    case HookAction::QueueTrayMenu: form.QueueAction(ActionTrayMenu); break;
    case HookAction::AddTrayIcon: form.AddTrayIcon(); break;
    case HookAction::None: break;
    }
}

}  // namespace

void HookWindow(HWND window)
{
    if (previousProc)
        return;
    hookedWindow = window;
    previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

void UnhookWindow()
{
    if (!previousProc)
        return;
    SetWindowLongPtrW(hookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
    previousProc = nullptr;
}

HWND HookedWindow()
{
    return hookedWindow;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HookDecision decision = DecideHookMessage(message, wParam, lParam, TaskbarCreatedMessage);
    // The hook is installed by the main form's load handler, but a window of the tests
    // may carry it without one.
    if (frmMain* form = MainForm()) {
        // A request that fails leaves the program running as it was; nothing reaches the system.
        try {
            Perform(*form, decision.action);
        } catch (...) {
        }
    }
    if (!decision.handOn)
        return 0;
    return CallWindowProcW(previousProc, window, message, wParam, lParam);
}
