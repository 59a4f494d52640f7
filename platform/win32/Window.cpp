#include "platform/win32/Window.h"

void Window::Create(HINSTANCE instance, const Class& windowClass, DWORD exStyle, const char* title, DWORD style,
                    const RECT& frame)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = windowClass.name;
    wc.hIcon = windowClass.icon;
    wc.hIconSm = windowClass.smallIcon;
    wc.hCursor = windowClass.cursor;
    wc.hbrBackground = windowClass.background;
    RegisterClassExA(&wc);
    CreateWindowExA(exStyle, windowClass.name, title, style, frame.left, frame.top, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr, instance, this);
}

void Window::Destroy()
{
    if (window_)
        DestroyWindow(window_);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        if (message != WM_NCDESTROY)
            return self->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->Destroyed();  // may release the object itself
    } catch (...) {
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
