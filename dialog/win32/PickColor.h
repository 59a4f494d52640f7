#pragma once
#include <windows.h>

#include <cstdint>

// The colour chooser's row of user-defined colours: one for the whole process, all black
// at first, updated in place by the chooser and never saved.
extern COLORREF CustomColors[16];

// Runs the system colour chooser over owner, starting from initial. Returns the colour
// the user confirmed, or -1 when the chooser was cancelled or failed.
int32_t PickColor(HWND owner, int32_t initial);
