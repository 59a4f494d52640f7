#include "app/tests/TestWindow.h"

#include <algorithm>

namespace {

constexpr char ClassName[] = "HalcyraTestWindow";

}  // namespace

TestWindow::TestWindow()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = ClassName;
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, ClassName, "test", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              wc.hInstance, this);
}

TestWindow::~TestWindow()
{
    DestroyWindow(window_);
}

bool TestWindow::Saw(UINT message) const
{
    return std::any_of(seen.begin(), seen.end(), [&](const Seen& s) { return s.message == message; });
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA))) {
        self->seen.push_back({message, wParam, lParam});
        if (message >= WM_APP && message < 0xC000)
            return static_cast<LRESULT>(wParam) + 1000;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void DrainQuitMessage()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}
