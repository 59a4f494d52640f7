#include "platform/win32/Controls.h"

#include "platform/win32/Text.h"

// Asked with messages rather than GetWindowText, which for a window of another process
// gives only the text it was created with.
std::string TextOf(HWND control)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return Utf8(text);
}

void SetText(HWND control, const std::string& text)
{
    SetWindowTextW(control, Wide(text).c_str());
}

bool IsChecked(HWND control)
{
    return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND control, bool checked)
{
    SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ShowWarning(HWND owner, const std::string& text)
{
    MessageBoxW(owner, Wide(text).c_str(), L"Halcyra", MB_OK | MB_ICONEXCLAMATION);
}
