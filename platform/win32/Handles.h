#pragma once
#include <windows.h>

#include "platform/UniqueHandle.h"

using UniqueKernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, &DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, &DeleteObject>;
using UniqueMemoryDC = UniqueHandle<HDC, &DeleteDC>;
using UniqueMenu = UniqueHandle<HMENU, &DestroyMenu>;
using UniqueRegKey = UniqueHandle<HKEY, &RegCloseKey>;
using UniqueIcon = UniqueHandle<HICON, &DestroyIcon>;

// GetDC(nullptr) hands out the screen's DC, which is released, never deleted.
inline void ReleaseScreenDC(HDC dc)
{
    ReleaseDC(nullptr, dc);
}
using UniqueScreenDC = UniqueHandle<HDC, &ReleaseScreenDC>;
