#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32/Dpi.h"
#include "platform/win32/Window.h"

class FlashImage;

// What the flash window asks of the system: its own calls but in tests.
struct FlashCalls {
    // Leaves the window out of captures: SetWindowDisplayAffinity.
    using SetAffinity = BOOL(WINAPI*)(HWND window, DWORD affinity);
    SetAffinity setAffinity = &SetWindowDisplayAffinity;
    MonitorDpiQuery monitorDpi = SystemMonitorDpiQuery();
    // The screen's and the virtual desktop's sizes: GetSystemMetrics.
    using SystemMetric = int(WINAPI*)(int index);
    SystemMetric systemMetric = &GetSystemMetrics;
};

// The borderless, layered, topmost, click-through window on which messages appear.
// It decides nothing: every value of a flash arrives as an argument, and its caller says
// when the drawn flash is shown.
class frmFlash final : public Window {
public:
    // Creates the window hidden and runs its set-up.
    explicit frmFlash(HINSTANCE instance, bool hideFromCapture = false, FlashCalls calls = {});
    ~frmFlash();  // destroys the window if it still exists

    // Hides the window and draws the text into it at its place; false, and the window left
    // as it was, when there is nothing to show.
    bool PrepareText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                     int32_t lOpacity, bool bAllMonitors);
    // Shows what was drawn last, topmost, without taking the focus.
    void ShowPrepared();
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

    FlashCalls calls_;
    // Made with the window and released when it is destroyed.
    std::unique_ptr<FlashImage> image_;
    RECT drawnAt_{};  // where the last drawn flash goes
};
