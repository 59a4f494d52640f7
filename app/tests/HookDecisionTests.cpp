#include "app/HookDecision.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t TaskbarCreated = 0xC123;

bool Is(HookDecision d, HookAction action, bool handOn)
{
    return d.action == action && d.handOn == handOn;
}

}  // namespace

TEST(DecideHookMessage, HotkeysAndTrayEventsAreAnsweredAndGoNoFurtherAndEverythingElseIsHandedOn)
{
    EXPECT_TRUE(Is(DecideHookMessage(WmHotkey, 1, 0, TaskbarCreated), HookAction::StartFlashing, false));
    EXPECT_TRUE(Is(DecideHookMessage(WmHotkey, 2, 0, TaskbarCreated), HookAction::StopFlashing, false));
    EXPECT_TRUE(Is(DecideHookMessage(WmHotkey, 3, 0, TaskbarCreated), HookAction::ToggleFlashing, false));
    EXPECT_TRUE(Is(DecideHookMessage(WmHotkey, 4, 0, TaskbarCreated), HookAction::None, false));
    EXPECT_TRUE(Is(DecideHookMessage(0x464, 1, WmLButtonDblClk, TaskbarCreated), HookAction::QueueSettings, false));
    EXPECT_TRUE(Is(DecideHookMessage(0x464, 1, WmRButtonUp, TaskbarCreated), HookAction::QueueTrayMenu, false));
    for (intptr_t mouse : {0x202, 0x200})  // a left click, a move
        EXPECT_TRUE(Is(DecideHookMessage(0x464, 1, mouse, TaskbarCreated), HookAction::None, false));
    for (uint32_t message : {0x0010u, 0x0111u, 0x0113u, 0x0463u, 0x0465u})
        EXPECT_TRUE(Is(DecideHookMessage(message, 1, WmRButtonUp, TaskbarCreated), HookAction::None, true));
}

TEST(DecideHookMessage, TheTaskbarsReturnReAddsTheIconAndIsStillHandedOn)
{
    EXPECT_TRUE(Is(DecideHookMessage(TaskbarCreated, 0, 0, TaskbarCreated), HookAction::AddTrayIcon, true));
    // Unregistered, the id is 0, which must not catch WM_NULL.
    EXPECT_TRUE(Is(DecideHookMessage(0, 0, 0, 0), HookAction::None, true));
}
