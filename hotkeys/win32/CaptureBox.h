#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/win32/Subclass.h"

// What a capture box does with a key-down: the pending hotkey (mod, key) may change and
// the box shows it. Returns whether the key was consumed.
bool CaptureHotkey(HWND box, int32_t keyCode, int32_t shiftState, int32_t& mod, int32_t& key);

// A read-only box that is set by pressing a key combination in it, never by typing. The
// pending hotkey it edits belongs to its owner.
class CaptureBox final : private Subclass {
public:
    CaptureBox(int32_t& mod, int32_t& key) : mod_(mod), key_(key) {}

    void Attach(HWND box) { Subclass::Attach(box); }
    // Sets the pending hotkey and shows it.
    void Set(int32_t mod, int32_t key);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    int32_t& mod_;
    int32_t& key_;
};
