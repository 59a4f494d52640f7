#include "hotkeys/CaptureHotkey.h"

namespace {

constexpr int32_t kBackspace = 8;
constexpr int32_t kTab = 9;
constexpr int32_t kShift = 16;
constexpr int32_t kControl = 17;
constexpr int32_t kAlt = 18;
constexpr int32_t kPause = 19;
constexpr int32_t kDelete = 46;
constexpr int32_t kLeftWin = 91;
constexpr int32_t kRightWin = 92;
constexpr int32_t kF1 = 112;
constexpr int32_t kF24 = 135;
constexpr int32_t kScrollLock = 145;

constexpr int32_t kModAlt = 1;
constexpr int32_t kModControl = 2;
constexpr int32_t kModShift = 4;
constexpr int32_t kModWin = 8;

bool IsModifierKey(int32_t key)
{
    return key == kShift || key == kControl || key == kAlt || key == kLeftWin || key == kRightWin;
}

// Keys that make a usable hotkey without any modifier.
bool StandsAlone(int32_t key)
{
    return (key >= kF1 && key <= kF24) || key == kPause || key == kScrollLock;
}

// The shift state and the hotkey mask number the modifiers differently.
int32_t HotkeyMask(int32_t shiftState, bool winDown)
{
    int32_t mask = 0;
    if (shiftState & kShiftStateCtrl)
        mask |= kModControl;
    if (shiftState & kShiftStateAlt)
        mask |= kModAlt;
    if (shiftState & kShiftStateShift)
        mask |= kModShift;
    if (winDown)
        mask |= kModWin;
    return mask;
}

}  // namespace

CaptureDecision DecideCapture(int32_t keyCode, int32_t shiftState, bool winDown)
{
    if (keyCode == kTab && !(shiftState & (kShiftStateCtrl | kShiftStateAlt)))
        return {CaptureAction::PassOn};
    if (IsModifierKey(keyCode))
        return {CaptureAction::Wait};
    const int32_t mask = HotkeyMask(shiftState, winDown);
    if (mask == 0 && (keyCode == kBackspace || keyCode == kDelete))
        return {CaptureAction::Clear};
    if (mask == 0 && !StandsAlone(keyCode))
        return {CaptureAction::Refuse};
    return {CaptureAction::Capture, mask, keyCode};
}
