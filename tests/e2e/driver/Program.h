#pragma once
#include "platform/win32/Handles.h"

#include <optional>
#include <string>
#include <vector>

// One run of halcyra.exe started by the test, with its own application-data folder.
// It is ended, and its tray icon removed, when the object goes, whatever state the
// test left it in; a job object ends it even if the driver itself dies.
class Program {
public:
    Program(const std::string& exePath, const std::string& appData);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool HasExited() const { return WaitForExit(0); }
    bool WaitForExit(DWORD timeoutMs) const;
    DWORD ExitCode() const;
    // Start-up has run to the message loop (or to a nested one, such as a message box).
    bool WaitForIdle(DWORD timeoutMs) const;

    // The program's top-level windows of a class: "#32770" for message boxes, "#32768"
    // for menus.
    std::vector<HWND> Windows(const std::string& windowClass, bool visibleOnly = true) const;
    // The hidden main window titled "Halcyra"; remembered once seen.
    HWND MainWindow();
    // The layered window that shows the messages.
    HWND FlashWindow() const;

private:
    UniqueKernelHandle job_;
    UniqueKernelHandle process_;
    DWORD id_ = 0;
    HWND mainWindow_ = nullptr;
};

DWORD ProcessOf(HWND window);
// The top-level windows of a process, of one class or of any when windowClass is null.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const char* windowClass);
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
// The text a control holds, asked with WM_GETTEXT: for a window of another process
// GetWindowText gives only the text the window was created with.
std::string ContentOf(HWND control);
RECT RectOf(HWND window);
POINT CentreOf(HWND window);

// A message box of the program as the user sees it.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
};

std::optional<MessageBoxSeen> WaitForMessageBox(const Program& program, DWORD timeoutMs);
// Clicks the box's first button and waits until it has gone.
bool DismissMessageBox(const MessageBoxSeen& box);
