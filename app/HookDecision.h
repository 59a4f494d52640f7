#pragma once
#include <cstdint>

inline constexpr uint32_t WmHotkey = 0x0312;
inline constexpr intptr_t WmLButtonDblClk = 0x0203;
inline constexpr intptr_t WmRButtonUp = 0x0205;

enum class HookAction { None, StartFlashing, StopFlashing, ToggleFlashing, QueueSettings, QueueTrayMenu, AddTrayIcon };

struct HookDecision {
    HookAction action;
    bool handOn;  // whether the replaced window procedure sees the message too
};

// What the main window's hook does with a message. Hotkeys and tray events are answered
// here and go no further; the taskbar's re-creation is answered and still handed on.
// A taskbarCreatedMessage of 0 means that none was registered.
HookDecision DecideHookMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                               uint32_t taskbarCreatedMessage);
