#include "platform/win32/Subclass.h"

void Subclass::Attach(HWND control)
{
    control_ = control;
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

LRESULT Subclass::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Original(message, wParam, lParam);
}

LRESULT Subclass::Original(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProcW(original_, control_, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Subclass*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return self->Original(message, wParam, lParam);
    }
}
