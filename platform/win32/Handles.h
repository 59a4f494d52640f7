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

// Memory that the system allocated for the caller and LocalFree gives back.
inline void FreeLocalMemory(void* memory)
{
    LocalFree(memory);
}
using UniqueLocalMemory = UniqueHandle<void*, &FreeLocalMemory>;

// GetDC(nullptr) hands out the screen's DC, which is released, never deleted.
inline void ReleaseScreenDC(HDC dc)
{
    ReleaseDC(nullptr, dc);
}
using UniqueScreenDC = UniqueHandle<HDC, &ReleaseScreenDC>;
