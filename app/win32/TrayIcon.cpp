#include "app/win32/TrayIcon.h"

#include <iterator>
#include <span>
#include <utility>

#include "app/TrayModel.h"

// The wide record, whose tip holds 128 UTF-16 units: a paused tip's time fits in any locale.
static_assert(std::size(NOTIFYICONDATAW{}.szTip) == TrayTipSize);

namespace {

constexpr UINT TrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

void SetTip(NOTIFYICONDATAW& record, const std::string& tip)
{
    FillTipField(std::span<char16_t, TrayTipSize>(reinterpret_cast<char16_t*>(record.szTip), TrayTipSize), tip);
}

}  // namespace

void TrayIcon::Add(HWND window, HICON icon, const std::string& tip)
{
    record_.cbSize = sizeof record_;
    record_.hWnd = window;
    record_.uID = TrayIconId;
    record_.uFlags = TrayFlags;
    record_.uCallbackMessage = TrayCallbackMessage;
    if (icon)
        record_.hIcon = icon;
    SetTip(record_, tip);
    Shell_NotifyIconW(NIM_ADD, &record_);
    added_ = true;
}

void TrayIcon::ChangeTip(const std::string& tip)
{
    SetTip(record_, tip);
    Modify();
}

void TrayIcon::ChangeIcon(HICON icon)
{
    record_.hIcon = icon;
    Modify();
}

void TrayIcon::Modify()
{
    record_.uFlags = TrayFlags;
    if (!Shell_NotifyIconW(NIM_MODIFY, &record_))
        Shell_NotifyIconW(NIM_ADD, &record_);
}

void TrayIcon::Delete()
{
    if (std::exchange(added_, false))
        Shell_NotifyIconW(NIM_DELETE, &record_);
}
