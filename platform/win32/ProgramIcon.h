#pragma once
#include <windows.h>

// The ICON resource of halcyra.rc, which holds the program icon drawn at every size.
inline constexpr WORD kProgramIconId = 1;

// The program icon at a size, drawn for it: shared with the system (LR_SHARED, never
// destroyed) or the caller's own (0, to destroy).
inline HICON LoadProgramIcon(HINSTANCE module, int size, UINT flags)
{
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size, flags));
}
