#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class FlashImage;

// The borderless, layered, topmost, click-through window on which messages appear.
// It decides nothing: every value of a flash arrives as an argument.
class frmFlash {
public:
    // Creates the window hidden and runs its set-up.
    explicit frmFlash(HINSTANCE instance);
    ~frmFlash();  // destroys the window if it still exists
    frmFlash(const frmFlash&) = delete;
    frmFlash& operator=(const frmFlash&) = delete;

    void ShowText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                  int32_t lOpacity, bool bAllMonitors);
    void HideNow();

    // Destroys the window (shutdown closes it before the main form).
    void Close();
    HWND Handle() const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetUp();
    void PaintTo(HDC target);

    HWND window_ = nullptr;
    // Lives with the window: made when it is created, released when it is destroyed.
    std::unique_ptr<FlashImage> image_;
};
