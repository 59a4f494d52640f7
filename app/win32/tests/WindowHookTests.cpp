#include "app/win32/WindowHook.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

std::optional<std::tuple<UINT, WPARAM, LPARAM>> lastSeen;

// Writes down what reaches it and answers with wParam plus 1000, so that a test can tell
// that a message arrived unchanged and that its answer came back.
LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message < WM_APP && message != WM_HOTKEY && message != 0x464)
        return DefWindowProcW(window, message, wParam, lParam);
    lastSeen = std::tuple(message, wParam, lParam);
    return static_cast<LRESULT>(wParam) + 1000;
}

HWND MakeRecordingWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Recorder;
    wc.lpszClassName = L"HalcyraRecordingWindow";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

WNDPROC ProcedureOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

}  // namespace

TEST(WindowHook, InstallsItselfOnceAndGivesTheProcedureBack)
{
    const HWND window = MakeRecordingWindow(), other = MakeRecordingWindow();
    HookWindow(window);
    HookWindow(other);
    EXPECT_EQ(ProcedureOf(window), &WindowProc);
    EXPECT_EQ(ProcedureOf(other), &Recorder);
    EXPECT_EQ(HookedWindow(), window);
    UnhookWindow();
    UnhookWindow();
    EXPECT_EQ(ProcedureOf(window), &Recorder);
    DestroyWindow(window);
    DestroyWindow(other);
}

TEST(WindowHook, SwallowsHotkeyAndTrayMessagesAndHandsOnTheRestWithTheirAnswer)
{
    const HWND window = MakeRecordingWindow();
    HookWindow(window);
    TaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    const std::pair<std::tuple<UINT, WPARAM, LPARAM>, bool> cases[] = {
        {{WM_APP + 7, 42, -3}, true}, {{WM_HOTKEY, 9, 0}, false}, {{0x464, 1, WM_LBUTTONUP}, false},
        {{0x464, 1, WM_MOUSEMOVE}, false}, {{TaskbarCreatedMessage, 5, 0}, true},
    };
    for (const auto& [sent, handedOn] : cases) {
        lastSeen.reset();
        const auto [message, wParam, lParam] = sent;
        EXPECT_EQ(SendMessageA(window, message, wParam, lParam), handedOn ? static_cast<LRESULT>(wParam) + 1000 : 0)
            << message;
        EXPECT_EQ(lastSeen, handedOn ? std::optional(sent) : std::nullopt) << message;
    }
    UnhookWindow();
    TaskbarCreatedMessage = 0;
    DestroyWindow(window);
}
