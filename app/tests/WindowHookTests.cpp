#include "app/WindowHook.h"

#include "app/tests/TestWindow.h"

#include <gtest/gtest.h>

namespace {

WNDPROC ProcedureOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class WindowHookTest : public ::testing::Test {
protected:
    void SetUp() override { HookWindow(window.get()); }
    void TearDown() override
    {
        UnhookWindow();
        TaskbarCreatedMessage = 0;
    }

    TestWindow window;
};

}  // namespace

TEST_F(WindowHookTest, InstallsItselfOnceAndGivesTheProcedureBack)
{
    EXPECT_EQ(ProcedureOf(window.get()), &WindowProc);
    EXPECT_EQ(HookedWindow(), window.get());

    TestWindow other;
    HookWindow(other.get());
    EXPECT_EQ(ProcedureOf(other.get()), &TestWindow::Procedure);
    EXPECT_EQ(HookedWindow(), window.get());

    UnhookWindow();
    EXPECT_EQ(ProcedureOf(window.get()), &TestWindow::Procedure);
    EXPECT_EQ(HookedWindow(), window.get());
    UnhookWindow();
    EXPECT_EQ(ProcedureOf(window.get()), &TestWindow::Procedure);
}

TEST_F(WindowHookTest, HandsOtherMessagesOnUnchangedAndReturnsTheirAnswer)
{
    EXPECT_EQ(SendMessageA(window.get(), WM_APP + 7, 42, -3), 1042);
    ASSERT_FALSE(window.seen.empty());
    const TestWindow::Seen& last = window.seen.back();
    EXPECT_EQ(last.message, WM_APP + 7u);
    EXPECT_EQ(last.wParam, 42u);
    EXPECT_EQ(last.lParam, -3);
}

TEST_F(WindowHookTest, SwallowsHotkeyAndTrayMessagesWithZero)
{
    window.seen.clear();
    EXPECT_EQ(SendMessageA(window.get(), WM_HOTKEY, 9, 0), 0);
    EXPECT_EQ(SendMessageA(window.get(), 0x464, 1, WM_LBUTTONUP), 0);
    EXPECT_EQ(SendMessageA(window.get(), 0x464, 1, WM_MOUSEMOVE), 0);
    EXPECT_TRUE(window.seen.empty());
}

TEST_F(WindowHookTest, TheTaskbarBroadcastStillReachesTheWindow)
{
    TaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    ASSERT_NE(TaskbarCreatedMessage, 0u);
    window.seen.clear();
    SendMessageA(window.get(), TaskbarCreatedMessage, 0, 0);
    EXPECT_TRUE(window.Saw(TaskbarCreatedMessage));
}
