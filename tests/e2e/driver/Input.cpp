#include "tests/e2e/driver/Input.h"

#include "tests/e2e/driver/Focus.h"
#include "tests/e2e/driver/Wait.h"

#include <algorithm>
#include <iterator>

namespace {

void Send(INPUT input) { SendInput(1, &input, sizeof input); }

// Absolute coordinates run from 0 to 65535 over the primary screen; rounding up lands
// exactly on the wanted pixel.
LONG Normalised(LONG pixel, int extent) { return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent); }

}  // namespace

void MoveMouse(POINT at)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
    WaitUntil(
        [&] {
            POINT now = {};
            GetCursorPos(&now);
            return now.x == at.x && now.y == at.y;
        },
        1000);
}

void ClickMouse(DWORD downFlag, DWORD upFlag)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = downFlag;
    Send(input);
    input.mi.dwFlags = upFlag;
    Send(input);
}

void LeftClickAt(POINT at)
{
    MoveMouse(at);
    ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void DoubleClickAt(POINT at)
{
    MoveMouse(at);
    ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void KeyDown(WORD key)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    Send(input);
}

void KeyUp(WORD key)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(input);
}

HeldKeys::HeldKeys(std::initializer_list<WORD> keys) : keys_(keys)
{
    constexpr WORD modifiers[] = {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN};
    if (std::find_first_of(keys_.begin(), keys_.end(), std::begin(modifiers), std::end(modifiers)) != keys_.end())
        SettleInput();
    for (WORD key : keys_)
        KeyDown(key);
}

HeldKeys::~HeldKeys()
{
    for (auto key = keys_.rbegin(); key != keys_.rend(); ++key)
        KeyUp(*key);
}

void PressChord(std::initializer_list<WORD> keys) { const HeldKeys held(keys); }

void TypeText(const std::string& text)
{
    std::vector<INPUT> inputs;
    for (unsigned char c : text) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
