#include "platform/win32/Window.h"

#include "platform/win32/Text.h"

void Window::Create(HINSTANCE instance, const Class& windowClass, DWORD exStyle, const char* title, DWORD style,
                    const RECT& frame)
{
    const std::wstring className = Wide(windowClass.name);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = className.c_str();
    wc.hIcon = windowClass.icon;
    wc.hIconSm = windowClass.smallIcon;
    wc.hCursor = windowClass.cursor;
    wc.hbrBackground = windowClass.background;
    RegisterClassExW(&wc);
    CreateWindowExW(exStyle, className.c_str(), Wide(title).c_str(), style, frame.left, frame.top, frame.right - frame.left,
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
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        if (message != WM_NCDESTROY)
            return self->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->Destroyed();  // may release the object itself
    } catch (...) {
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
