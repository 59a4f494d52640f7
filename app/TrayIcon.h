#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

// The icon in the notification area and the one record the shell knows it by.
class TrayIcon {
public:
    // Fills the whole record and adds the icon. A null icon leaves the record's icon as it was.
    void Add(HWND window, HICON icon, const std::string& tip);
    void ChangeTip(const std::string& tip);
    void Delete();

    const NOTIFYICONDATAA& Record() const { return record_; }

private:
    NOTIFYICONDATAA record_{};
};
