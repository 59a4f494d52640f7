#pragma once
#include <windows.h>

// A window object bound to its HWND from the window's first message to its last. Every
// message of the window reaches HandleMessage, and no exception gets past it into the system: a
// handler that fails leaves the program running with what it holds.
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // nullptr before creation and once the window is gone.
    HWND Handle() const { return window_; }

protected:
    struct Class {
        const char* name;
        HICON icon = nullptr;
        HICON smallIcon = nullptr;
        HCURSOR cursor = nullptr;
        HBRUSH background = nullptr;
    };

    Window() = default;
    ~Window() = default;

    // Registers the class (a second registration fails harmlessly) and creates the window.
    void Create(HINSTANCE instance, const Class& windowClass, DWORD exStyle, const char* title, DWORD style,
                const RECT& frame);
    // Destroys the window if it still exists; its handlers run meanwhile.
    void Destroy();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The last call the window makes on this object, after it has been unbound.
    virtual void Destroyed() {}
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};
