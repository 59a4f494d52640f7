#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Wine's own notification area: the "Wine System Tray" window when the X desktop has
// no tray of its own, with one child window per icon and one tooltip tool per icon.
struct TrayIcon {
    HWND window;      // the icon's window in the tray
    std::string tip;  // the tooltip text the user sees when hovering the icon
};

// The icons whose tip starts with "Halcyra".
std::vector<TrayIcon> HalcyraIcons();
// Waits until exactly one Halcyra icon is there and can be clicked, and returns it.
std::optional<TrayIcon> WaitForHalcyraIcon(DWORD timeoutMs);
bool WaitForHalcyraTip(const std::string& tip, DWORD timeoutMs);

// Takes an icon out of the tray the way its owner would, by owner window and id.
void RemoveTrayIcon(HWND owner, UINT id);
