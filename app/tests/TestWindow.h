#pragma once
#include <windows.h>

#include <vector>

// A hidden window with a procedure of its own that writes down every message it gets
// and answers WM_APP messages with their wParam plus 1000, so a test can tell that a
// message reached it and that its answer came back.
class TestWindow {
public:
    struct Seen {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND get() const { return window_; }
    bool Saw(UINT message) const;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<Seen> seen;

private:
    HWND window_ = nullptr;
};

// Removes the quit request a destroyed main form leaves in the thread's queue.
void DrainQuitMessage();
