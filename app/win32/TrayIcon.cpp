#include "app/win32/TrayIcon.h"

#include <span>
#include <utility>

#include "app/TrayModel.h"

// The shell's first record layout: the tip is the last field, 64 bytes long, and the
// record is 88 bytes on 32-bit Windows. Every version of the shell accepts it.
static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + TrayTipSize);
#ifndef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);
#endif

namespace {

constexpr UINT TrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

void SetTip(NOTIFYICONDATAA& record, const std::string& tip)
{
    FillTipField(std::span<char, TrayTipSize>(record.szTip, TrayTipSize), tip);
}

}  // namespace

void TrayIcon::Add(HWND window, HICON icon, const std::string& tip)
{
    record_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record_.hWnd = window;
    record_.uID = TrayIconId;
    record_.uFlags = TrayFlags;
    record_.uCallbackMessage = TrayCallbackMessage;
    if (icon)
        record_.hIcon = icon;
    SetTip(record_, tip);
    Shell_NotifyIconA(NIM_ADD, &record_);
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
    if (!Shell_NotifyIconA(NIM_MODIFY, &record_))
        Shell_NotifyIconA(NIM_ADD, &record_);
}

void TrayIcon::Delete()
{
    if (std::exchange(added_, false))
        Shell_NotifyIconA(NIM_DELETE, &record_);
}
