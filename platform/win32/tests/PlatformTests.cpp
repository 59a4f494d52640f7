#include "platform/win32/Controls.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Subclass.h"
#include "platform/win32/Window.h"

#include <gtest/gtest.h>

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

// The font list is gathered on the screen's device context, which goes back to the system with its owner.
TEST(Handles, TheScreensDeviceContextIsReleasedWithItsOwner) {
    HDC screen = nullptr;
    {
        const UniqueScreenDC owner(GetDC(nullptr));
        screen = owner.get();
    }
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0) << "a second release finds it held still";
}
