#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// Input as a user makes it, injected with SendInput so that the system routes it
// (hotkeys, the window under the cursor, the open menu).

// Moves the cursor to a screen point and waits until it is there.
void MoveMouse(POINT at);
void ClickMouse(DWORD downFlag, DWORD upFlag);
void LeftClickAt(POINT at);
void DoubleClickAt(POINT at);

void KeyDown(WORD key);
void KeyUp(WORD key);

// Keys pressed in the given order and held until the object goes, then released in
// reverse order: a test that fails half-way never leaves Ctrl or Alt down.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<WORD> keys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    std::vector<WORD> keys_;
};

// Presses and releases a combination such as Ctrl+Alt+S.
void PressChord(std::initializer_list<WORD> keys);

// Types text as characters, whatever the keyboard layout, as an input method would.
void TypeText(const std::string& text);
