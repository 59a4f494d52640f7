#include "platform/win32/Controls.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Subclass.h"
#include "platform/win32/Window.h"

#include <gtest/gtest.h>

// Fails on WM_SETTEXT, as a handler whose allocation failed would, and passes every other message on.
template <class Base>
class Failing : public Base {
protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT)
            throw std::bad_alloc();
        return Base::HandleMessage(message, wParam, lParam);
    }
};

class FailingWindow final : public Failing<Window> {
public:
    FailingWindow() { Create(GetModuleHandleA(nullptr), Class{.name = "HalcyraProbe"}, 0, "", WS_POPUP, RECT{}); }
    bool unboundAtLastCall = false;

private:
    void Destroyed() override { unboundAtLastCall = Handle() == nullptr; }
};

class FailingBox final : public Failing<Subclass> {
public:
    explicit FailingBox(HWND box) { Attach(box); }
};


// The exception stops in the base, which hands the message to the default or the control's own procedure.
TEST(WindowBases, OutliveAFailedHandlerAndUnbindBeforeTheLastCall) {
    FailingWindow window;
    SetText(window.Handle(), "by default");
    EXPECT_EQ(TextOf(window.Handle()), "by default");
    const HWND box = CreateWindowExA(0, "Edit", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    const FailingBox subclass(box);
    SetText(box, "by the box");
    EXPECT_EQ(TextOf(box), "by the box");
    DestroyWindow(box);
    DestroyWindow(window.Handle());
    EXPECT_TRUE(window.unboundAtLastCall);
}

TEST(SingleInstance, TheSecondHolderSeesTheFirstUntilItIsGone) {
    {
        const SingleInstance first;
        EXPECT_FALSE(first.AnotherIsRunning());
        EXPECT_TRUE(SingleInstance().AnotherIsRunning());
    }
    EXPECT_FALSE(SingleInstance().AnotherIsRunning());
}
