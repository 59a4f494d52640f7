#pragma once
#include <windows.h>

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
};

// Waits until the program shows a message box, and reads it.
std::optional<MessageBoxSeen> WaitForMessageBox(const Program& program, DWORD timeoutMs);
// Clicks the box's first button and waits until it has gone.
bool DismissMessageBox(const MessageBoxSeen& box);
