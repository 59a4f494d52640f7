#include "app/HookDecision.h"

#include "app/TrayModel.h"
#include "hotkeys/HotkeyPlan.h"

namespace {

HookAction HotkeyAction(uintptr_t id)
{
    switch (id) {
    case HotkeyStartId: return HookAction::StartFlashing;
    case HotkeyStopId: return HookAction::StopFlashing;
    case HotkeyToggleId: return HookAction::ToggleFlashing;
    default: return HookAction::None;
    }
}

HookAction TrayAction(intptr_t mouseMessage)
{
    switch (mouseMessage) {
    case WmLButtonDblClk: return HookAction::QueueSettings;
    case WmRButtonUp: return HookAction::QueueTrayMenu;
    default: return HookAction::None;
    }
}

}  // namespace

HookDecision DecideHookMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                               uint32_t taskbarCreatedMessage)
{
    if (message == WmHotkey)
        return {HotkeyAction(wParam), false};
    if (message == TrayCallbackMessage)
        return {TrayAction(lParam), false};
    if (taskbarCreatedMessage != 0 && message == taskbarCreatedMessage)
        return {HookAction::AddTrayIcon, true};
    return {HookAction::None, true};
}
