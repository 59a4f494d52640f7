#include "platform/win32/Controls.h"

std::string TextOf(HWND control)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetText(HWND control, const std::string& text)
{
    SetWindowTextA(control, text.c_str());
}

bool IsChecked(HWND control)
{
    return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND control, bool checked)
{
    SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
