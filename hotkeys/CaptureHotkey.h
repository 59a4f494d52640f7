#pragma once
#include <cstdint>

// What a hotkey capture box does with a key that goes down in it.
enum class CaptureAction {
    PassOn,   // leave the key alone: Tab moves the focus as usual
    Wait,     // consume it; a modifier alone waits for the main key
    Clear,    // consume it; the pending hotkey becomes none
    Refuse,   // consume it and beep; nothing changes
    Capture,  // consume it; the pending hotkey becomes (mod, key)
};

struct CaptureDecision {
    CaptureAction action;
    int32_t mod = 0;  // hotkey mask: Alt 1, Ctrl 2, Shift 4, Win 8
    int32_t key = 0;  // virtual-key code
};

// Shift state bits of a key-down: Shift 1, Ctrl 2, Alt 4.
inline constexpr int32_t kShiftStateShift = 1;
inline constexpr int32_t kShiftStateCtrl = 2;
inline constexpr int32_t kShiftStateAlt = 4;

// Decides for a key-down with the given shift state, winDown telling whether either
// Windows key is down at the moment.
CaptureDecision DecideCapture(int32_t keyCode, int32_t shiftState, bool winDown);
