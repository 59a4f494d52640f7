#pragma once

// Set once, by ExitApp, and never cleared: shutdown has begun. Windows that close during
// it skip what only a program that goes on would need (hotkeys, the tray menu).
inline bool AppExiting = false;
