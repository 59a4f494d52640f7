#include "platform/win32/Controls.h"
#include "platform/win32/Handles.h"
#include "platform/win32/PreciseTimer.h"
#include "platform/win32/QpcClock.h"
#include "platform/win32/Subclass.h"
#include "platform/win32/Window.h"

#include <gtest/gtest.h>

#include <optional>

// Fails on WM_SETTEXT, as a handler whose allocation failed would, and hands every other message to the base.
template <class Base>
struct Failing : Base {
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT)
            throw std::bad_alloc();
        return Base::HandleMessage(message, wParam, lParam);
    }
};

struct FailingWindow final : Failing<Window> {
    FailingWindow() { Create(GetModuleHandleA(nullptr), Class{.name = "HalcyraProbe"}, 0, "", WS_POPUP, RECT{}); }
    void Destroyed() override { unboundAtLastCall = Handle() == nullptr; }
    bool unboundAtLastCall = false;
};

struct FailingBox final : Failing<Subclass> { explicit FailingBox(HWND box) { Attach(box); } };

// The exception stops in the base, which gives the message to the default procedure or the control's own.
TEST(WindowBases, OutliveAFailedHandlerAndUnbindBeforeTheLastCall) {
    FailingWindow window;
    const HWND box = CreateWindowExA(0, "Edit", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    const FailingBox subclass(box);
    SetText(window.Handle(), "default");
    SetText(box, "own");
    EXPECT_EQ(TextOf(window.Handle()) + "," + TextOf(box), "default,own");
    DestroyWindow(box);
    DestroyWindow(window.Handle());
    EXPECT_TRUE(window.unboundAtLastCall);
}

// Refuses the high-resolution kind, as Windows before version 1803 does.
static HANDLE WINAPI PlainTimersOnly(LPSECURITY_ATTRIBUTES attributes, LPCWSTR name, DWORD flags, DWORD access) {
    return flags & 0x2 ? nullptr : CreateWaitableTimerExW(attributes, name, flags, access);
}

// The high-resolution kind is the main form's, tested there; this is the other one.
TEST(PreciseTimer, PostsAtItsMomentWhereTheSystemRefusesTheHighResolutionKindAndNotAfterACancel) {
    using std::chrono::milliseconds;
    constexpr UINT kMessage = WM_APP + 7;
    const HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    // When the message arrived, waiting at most ms.
    const auto arrival = [&](DWORD ms) -> std::optional<std::chrono::nanoseconds> {
        MSG msg;
        for (const DWORD start = GetTickCount(); !PeekMessageW(&msg, window, kMessage, kMessage, PM_REMOVE);)
            if (GetTickCount() - start > ms || MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_POSTMESSAGE) == WAIT_FAILED)
                return std::nullopt;
        return QpcNow();
    };
    {
        PreciseTimer timer(window, kMessage, &PlainTimersOnly);
        const auto moment = QpcNow() + milliseconds(30);
        timer.At(moment);
        const auto arrived = arrival(1000);
        ASSERT_TRUE(arrived);
        // The waitable timer runs on another clock than the counter: a hair early is its right.
        EXPECT_TRUE(*arrived > moment - std::chrono::microseconds(500) && *arrived < moment + milliseconds(8));
        timer.At(QpcNow() + milliseconds(20));
        timer.Cancel();
        EXPECT_FALSE(arrival(100));
    }
    DestroyWindow(window);
}

// The font list is gathered on the screen's device context, which goes back to the system with its owner.
TEST(Handles, TheScreensDeviceContextIsReleasedWithItsOwner) {
    HDC screen = nullptr;
    {
        const UniqueScreenDC owner(GetDC(nullptr));
        screen = owner.get();
    }
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0) << "a second release finds it held still";
}
