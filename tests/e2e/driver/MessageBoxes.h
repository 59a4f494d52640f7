#pragma once
#include <windows.h>

#include "tests/e2e/driver/Screen.h"

#include <optional>
#include <string>
#include <vector>

class Program;

// A message box of the program as the user sees it.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
    HWND iconControl = nullptr;
};

// Waits until the program shows a message box, and reads it.
std::optional<MessageBoxSeen> WaitForMessageBox(const Program& program, DWORD timeoutMs);
// Clicks the box's first button and waits until it has gone.
bool DismissMessageBox(const MessageBoxSeen& box);

// The box's icon as it is on screen.
std::optional<Image> IconOnScreen(const MessageBoxSeen& box);
// The system's icon of a message box type (MB_ICONEXCLAMATION...) as the driver's own
// message box shows it.
std::optional<Image> SystemIconOnScreen(UINT iconType);
