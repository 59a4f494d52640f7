#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

// The icon in the notification area and the one record the shell knows it by. Deleted
// once, when asked or when its owner goes.
class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Delete(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Fills the whole record and adds the icon. A null icon leaves the record's icon as it was.
    void Add(HWND window, HICON icon, const std::string& tip);
    // A shell that no longer knows the icon (it restarted without telling) gets it again.
    void ChangeTip(const std::string& tip);
    void ChangeIcon(HICON icon);
    void Delete();

    const NOTIFYICONDATAW& Record() const { return record_; }

private:
    void Modify();

    NOTIFYICONDATAW record_{};
    bool added_ = false;
};
