#include "platform/win32/Subclass.h"
#include "platform/win32/Window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr UINT kThrow = WM_APP + 1;

// Notes what reaches it and throws on kThrow, as a handler whose allocation failed would.
class Probe final : public Window {
public:
    Probe()
    {
        Create(GetModuleHandleA(nullptr), Class{.name = "HalcyraProbeWindow"}, 0, "probe", WS_POPUP, RECT{});
    }
    ~Probe() { Destroy(); }
    using Window::Destroy;

    std::vector<UINT> seen;
    bool destroyed = false;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kThrow)
            throw std::runtime_error("handler failed");
        if (message == WM_CREATE || message == WM_DESTROY)
            seen.push_back(message);
        return Default(message, wParam, lParam);
    }
    void Destroyed() override { destroyed = Handle() == nullptr; }
};

class ThrowingBox final : public Subclass {
public:
    explicit ThrowingBox(HWND box) { Attach(box); }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kThrow)
            throw std::bad_alloc();
        return Original(message, wParam, lParam);
    }
};

}  // namespace

TEST(Window, IsBoundFromCreationToTheLastMessageAndNoExceptionReachesTheSystem)
{
    Probe probe;
    const HWND window = probe.Handle();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(SendMessageA(window, kThrow, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window)) << "the window goes on after a failed handler";
    probe.Destroy();
    EXPECT_EQ(probe.seen, (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
    EXPECT_TRUE(probe.destroyed) << "unbound before the last call";
    EXPECT_EQ(probe.Handle(), nullptr);
}

TEST(Subclass, HandsAFailedMessageToTheControlsOwnProcedure)
{
    const HWND box = CreateWindowExA(0, "Edit", "kept", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    const ThrowingBox subclass(box);
    SendMessageA(box, kThrow, 0, 0);
    char text[8] = {};
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "kept");
    DestroyWindow(box);
}
