#pragma once
#include "platform/Handles.h"

#include <optional>
#include <string>
#include <vector>

// One run of halcyra.exe started by the test, with its own application-data folder.
// It is ended, and its tray icon removed, when the object goes, whatever state the
// test left it in; a job object ends it even if the driver itself dies.
class Program {
public:
    // appData nullopt: the variable is removed from the program's environment.
    Program(const std::string& exePath, const std::optional<std::string>& appData);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return id_; }
    bool HasExited() const;
    bool WaitForExit(DWORD timeoutMs) const;
    DWORD ExitCode() const;
    // Start-up has run to the message loop (or to a nested one, such as a message box).
    bool WaitForIdle(DWORD timeoutMs) const;

    std::vector<HWND> TopLevelWindows() const;
    // The hidden main window titled "Halcyra"; remembered once seen.
    HWND MainWindow();
    // The layered window that shows the messages.
    HWND FlashWindow() const;
    std::vector<HWND> VisibleDialogs() const;
    HWND VisiblePopupMenu() const;

private:
    UniqueKernelHandle job_;
    UniqueKernelHandle process_;
    DWORD id_ = 0;
    HWND mainWindow_ = nullptr;
};

std::string ClassOf(HWND window);
std::string TextOf(HWND window);
// The text a control holds, asked with WM_GETTEXT: for a window of another process
// GetWindowText gives only the text the window was created with.
std::string ContentOf(HWND control);
RECT RectOf(HWND window);
