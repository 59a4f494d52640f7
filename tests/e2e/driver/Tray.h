#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Wine's own notification area: the "Wine System Tray" window when the X desktop has
// no tray of its own, with one child window per icon and one tooltip per icon.
struct TrayIcon {
    HWND window;      // the icon's window in the tray
    std::string tip;  // the tooltip text the user sees when hovering the icon
};

std::vector<TrayIcon> TrayIcons();
// The icons whose tip starts with prefix.
std::vector<TrayIcon> TrayIconsWithTip(const std::string& prefix);
// Waits until exactly one icon has a tip starting with "Halcyra" and returns it.
std::optional<TrayIcon> WaitForHalcyraIcon(DWORD timeoutMs);
// Waits until the one Halcyra icon shows exactly this tip.
bool WaitForHalcyraTip(const std::string& tip, DWORD timeoutMs);

// The text of the tray tooltip on screen, if one is showing.
std::optional<std::string> VisibleTrayTip();

POINT CentreOf(HWND window);
void RightClickIcon(const TrayIcon& icon);
void DoubleClickIcon(const TrayIcon& icon);
// Takes an icon out of the tray the way its owner would, by owner window and id.
void RemoveTrayIcon(HWND owner, UINT id);
