#include "tests/e2e/driver/MessageBoxes.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Wait.h"

std::optional<MessageBoxSeen> WaitForMessageBox(const Program& program, DWORD timeoutMs)
{
    std::vector<HWND> boxes;
    if (!WaitUntil([&] { return !(boxes = program.Windows("#32770")).empty(); }, timeoutMs))
        return std::nullopt;
    MessageBoxSeen seen{boxes.front(), TextOf(boxes.front()), {}, {}};
    for (HWND child = GetWindow(seen.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button")
            seen.buttons.push_back(TextOf(child));
        else if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            seen.text += TextOf(child);
    }
    return seen;
}

bool DismissMessageBox(const MessageBoxSeen& box)
{
    const HWND button = FindWindowExA(box.window, nullptr, "Button", nullptr);
    if (!button)
        return false;
    // A click that arrives before the box has been mapped on the X display goes to the
    // window below it.
    WaitUntil([&] { return GetForegroundWindow() == box.window; }, 3000);
    for (int attempt = 0; attempt < 3; ++attempt) {
        LeftClickAt(CentreOf(button));
        if (WaitUntil([&] { return !IsWindowVisible(box.window); }, 1000))
            return true;
    }
    return false;
}
