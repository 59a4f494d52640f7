#include "hotkeys/CaptureHotkey.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kShift = kShiftStateShift;
constexpr int32_t kCtrl = kShiftStateCtrl;
constexpr int32_t kAlt = kShiftStateAlt;

CaptureAction ActionFor(int32_t key, int32_t shiftState = 0, bool winDown = false)
{
    return DecideCapture(key, shiftState, winDown).action;
}

void ExpectCaptured(int32_t key, int32_t shiftState, bool winDown, int32_t mod)
{
    const CaptureDecision d = DecideCapture(key, shiftState, winDown);
    EXPECT_EQ(d.action, CaptureAction::Capture) << "key " << key;
    EXPECT_EQ(d.mod, mod) << "key " << key;
    EXPECT_EQ(d.key, key);
}

}  // namespace

TEST(DecideCapture, TabMovesTheFocusUnlessCtrlOrAltIsHeld)
{
    EXPECT_EQ(ActionFor(9), CaptureAction::PassOn);
    EXPECT_EQ(ActionFor(9, kShift), CaptureAction::PassOn);
    EXPECT_EQ(ActionFor(9, 0, true), CaptureAction::PassOn);
    ExpectCaptured(9, kCtrl, false, 2);
    ExpectCaptured(9, kAlt | kShift, false, 5);
}

TEST(DecideCapture, AModifierAloneWaitsForTheMainKey)
{
    for (int32_t key : {16, 17, 18, 91, 92}) {
        EXPECT_EQ(ActionFor(key), CaptureAction::Wait) << key;
        EXPECT_EQ(ActionFor(key, kCtrl | kAlt, true), CaptureAction::Wait) << key;
    }
    ExpectCaptured(83, kCtrl | kAlt, false, 3);
}

TEST(DecideCapture, MapsTheShiftStateOntoTheHotkeyMask)
{
    ExpectCaptured(70, kShift, true, 12);
    ExpectCaptured(65, kShift, false, 4);
    ExpectCaptured(65, kAlt, false, 1);
    ExpectCaptured(65, kCtrl, false, 2);
    ExpectCaptured(65, 0, true, 8);
    ExpectCaptured(112, kShift | kCtrl | kAlt, true, 15);
}

TEST(DecideCapture, BackspaceOrDeleteAloneClearsWithAModifierCaptures)
{
    EXPECT_EQ(ActionFor(8), CaptureAction::Clear);
    EXPECT_EQ(ActionFor(46), CaptureAction::Clear);
    ExpectCaptured(8, kCtrl, false, 2);
    ExpectCaptured(46, 0, true, 8);
}

TEST(DecideCapture, OnlyFunctionKeysPauseAndScrollLockStandAlone)
{
    for (int32_t key : {112, 120, 135, 19, 145})
        ExpectCaptured(key, 0, false, 0);
    for (int32_t key : {83, 13, 27, 32, 111, 136, 96, 144})
        EXPECT_EQ(ActionFor(key), CaptureAction::Refuse) << key;
}
