#include "tests/e2e/driver/MessageBoxes.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Tray.h"
#include "tests/e2e/driver/Wait.h"

#include <atomic>
#include <thread>

namespace {

MessageBoxSeen Read(HWND box)
{
    MessageBoxSeen seen;
    seen.window = box;
    seen.title = TextOf(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = ClassOf(child);
        if (kind == "Button")
            seen.buttons.push_back(TextOf(child));
        else if (kind == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            seen.iconControl = child;
        else if (kind == "Static" && !TextOf(child).empty())
            seen.text += TextOf(child);
    }
    return seen;
}

}  // namespace

std::optional<MessageBoxSeen> WaitForMessageBox(const Program& program, DWORD timeoutMs)
{
    std::vector<HWND> boxes;
    if (!WaitUntil([&] { return !(boxes = program.VisibleDialogs()).empty(); }, timeoutMs))
        return std::nullopt;
    return Read(boxes.front());
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

std::optional<Image> IconOnScreen(const MessageBoxSeen& box)
{
    if (!box.iconControl)
        return std::nullopt;
    return CaptureScreen(RectOf(box.iconControl));
}

std::optional<Image> SystemIconOnScreen(UINT iconType)
{
    std::atomic<DWORD> thread = 0;
    std::atomic<bool> closed = false;
    std::thread shown([&] {
        thread = GetCurrentThreadId();
        MessageBoxA(nullptr, "reference", "reference", MB_OK | iconType);
        closed = true;
    });
    HWND box = nullptr;
    const auto find = [&] {
        EnumThreadWindows(
            thread, [](HWND window, LPARAM found) { return *reinterpret_cast<HWND*>(found) = window, FALSE; },
            reinterpret_cast<LPARAM>(&box));
        return box && IsWindowVisible(box);
    };
    std::optional<Image> icon;
    if (WaitUntil(find, 3000))
        icon = IconOnScreen(Read(box));
    // Closed by its button's command, sent again until the box has returned.
    WaitUntil(
        [&] {
            if (find())
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            return closed.load();
        },
        5000);
    shown.join();
    return icon;
}
