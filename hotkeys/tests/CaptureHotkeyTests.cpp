#include "hotkeys/CaptureHotkey.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kShift = kShiftStateShift;
constexpr int32_t kCtrl = kShiftStateCtrl;
constexpr int32_t kAlt = kShiftStateAlt;

void ExpectCaptured(int32_t key, int32_t shiftState, bool winDown, int32_t mod)
{
    const CaptureDecision d = DecideCapture(key, shiftState, winDown);
    EXPECT_EQ(d.action, CaptureAction::Capture) << "key " << key;
    EXPECT_EQ(d.mod, mod) << "key " << key;
    EXPECT_EQ(d.key, key);
}

}  // namespace

TEST(DecideCapture, TabPassesOnAModifierWaitsAndTheMaskRenumbersTheModifiers)
{
    EXPECT_EQ(DecideCapture(9, 0, false).action, CaptureAction::PassOn);
    EXPECT_EQ(DecideCapture(9, kShift, true).action, CaptureAction::PassOn);
    ExpectCaptured(9, kCtrl, false, 2);
    ExpectCaptured(9, kAlt | kShift, false, 5);
    for (int32_t key : {16, 17, 18, 91, 92})
        EXPECT_EQ(DecideCapture(key, kCtrl | kAlt, true).action, CaptureAction::Wait) << key;
    ExpectCaptured(83, kCtrl | kAlt, false, 3);
    ExpectCaptured(70, kShift, true, 12);
    ExpectCaptured(112, kShift | kCtrl | kAlt, true, 15);
}

TEST(DecideCapture, WithoutModifiersClearsRefusesOrTakesTheFewKeysThatStandAlone)
{
    EXPECT_EQ(DecideCapture(8, 0, false).action, CaptureAction::Clear);
    EXPECT_EQ(DecideCapture(46, 0, false).action, CaptureAction::Clear);
    ExpectCaptured(8, kCtrl, false, 2);
    ExpectCaptured(46, 0, true, 8);
    for (int32_t key : {112, 120, 135, 19, 145})
        ExpectCaptured(key, 0, false, 0);
    for (int32_t key : {83, 13, 27, 32, 111, 136, 96})
        EXPECT_EQ(DecideCapture(key, 0, false).action, CaptureAction::Refuse) << key;
}
