#pragma once
#include <windows.h>

#include <functional>

// Handles whatever is queued for this thread, the way the program's own loop routes it
// (the settings dialog's keyboard navigation included).
void PumpMessages();

// Pumps until done() holds or timeoutMs have passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
