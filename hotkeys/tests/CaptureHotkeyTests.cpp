#include "hotkeys/CaptureHotkey.h"

#include <gtest/gtest.h>

#include <utility>

TEST(DecideCapture, PassesTabWaitsForModifiersRenumbersTheMaskAndTakesFewKeysAlone)
{
    constexpr int32_t S = kShiftStateShift, C = kShiftStateCtrl, A = kShiftStateAlt;
    using enum CaptureAction;
    const struct { int32_t key, shiftState; bool winDown; CaptureAction action; int32_t mod; } cases[] = {
        {9, 0, false, PassOn, 0},      {9, S, true, PassOn, 0},          {9, C, false, Capture, 2},
        {9, A | S, false, Capture, 5}, {16, C | A, true, Wait, 0},       {17, C | A, true, Wait, 0},
        {18, C | A, true, Wait, 0},    {91, C | A, true, Wait, 0},       {92, C | A, true, Wait, 0},
        {83, C | A, false, Capture, 3}, {70, S, true, Capture, 12},      {112, S | C | A, true, Capture, 15},
        // Without modifiers: Backspace and Delete clear, a few keys stand alone, the rest are refused.
        {8, 0, false, Clear, 0},       {46, 0, false, Clear, 0},         {8, C, false, Capture, 2},
        {46, 0, true, Capture, 8},     {112, 0, false, Capture, 0},      {120, 0, false, Capture, 0},
        {135, 0, false, Capture, 0},   {19, 0, false, Capture, 0},       {145, 0, false, Capture, 0},
        {83, 0, false, Refuse, 0},     {13, 0, false, Refuse, 0},        {27, 0, false, Refuse, 0},
        {32, 0, false, Refuse, 0},     {111, 0, false, Refuse, 0},       {136, 0, false, Refuse, 0},
        {96, 0, false, Refuse, 0}};
    for (const auto& c : cases) {
        const CaptureDecision d = DecideCapture(c.key, c.shiftState, c.winDown);
        EXPECT_EQ(d.action, c.action) << "key " << c.key << " state " << c.shiftState;
        if (c.action == Capture) {
            EXPECT_EQ(std::pair(d.mod, d.key), std::pair(c.mod, c.key)) << "key " << c.key;
        }
    }
}
