#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32/Window.h"

class FlashImage;

// The borderless, layered, topmost, click-through window on which messages appear.
// It decides nothing: every value of a flash arrives as an argument.
class frmFlash final : public Window {
public:
    // How the window asks to be left out of captures: SetWindowDisplayAffinity but in tests.
    using SetAffinity = BOOL(WINAPI*)(HWND window, DWORD affinity);

    // Creates the window hidden and runs its set-up.
    explicit frmFlash(HINSTANCE instance, bool hideFromCapture = false,
                      SetAffinity setAffinity = &SetWindowDisplayAffinity);
    ~frmFlash();  // destroys the window if it still exists

    void ShowText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                  int32_t lOpacity, bool bAllMonitors);
    void HideNow();
    // Where the system refuses, the window stays as it was.
    void KeepOutOfCaptures(bool hideFromCapture);

    // Destroys the window (shutdown closes it before the main form).
    void Close() { Destroy(); }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void SetUp(bool hideFromCapture);
    void PaintTo(HDC target);

    SetAffinity setAffinity_;
    // Made with the window and released when it is destroyed.
    std::unique_ptr<FlashImage> image_;
};
