#pragma once
#include <windows.h>

#include <optional>

#include "platform/win32/GdiScopes.h"
#include "platform/win32/Handles.h"

// The flash window's persistent off-screen picture: a 32-bit bitmap the size of the client
// area, selected into its own DC. Text is drawn here while the window is hidden, so the
// first paint after showing already has it.
class FlashImage {
public:
    FlashImage();
    FlashImage(const FlashImage&) = delete;
    FlashImage& operator=(const FlashImage&) = delete;

    HDC DC() const { return dc_.get(); }

    // A new picture of the given size, filled with the background.
    void Resize(int width, int height);
    // Fills the whole picture with the colour key.
    void Clear();
    // Copies the picture to a window DC; a picture that could not be allocated shows as
    // background, so nothing is seen.
    void PaintTo(HDC target, const RECT& client) const;

private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    // Declared last: the bitmap is deselected before it and the DC are deleted.
    std::optional<ScopedSelection> selection_;
    int width_ = 0;
    int height_ = 0;
};
