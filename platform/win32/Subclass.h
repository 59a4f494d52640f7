#pragma once
#include <windows.h>

// A control whose messages pass through HandleMessage before its own procedure sees them.
// No exception gets past HandleMessage into the system.
class Subclass {
public:
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

protected:
    Subclass() = default;
    ~Subclass() = default;

    // Puts this object in front of the control's procedure for the control's life.
    void Attach(HWND control);
    HWND Control() const { return control_; }

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The control's own procedure.
    LRESULT Original(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    HWND control_ = nullptr;
    WNDPROC original_ = nullptr;
};
