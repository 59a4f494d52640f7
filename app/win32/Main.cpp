#include <windows.h>

#include "app/win32/frmMain.h"
#include "dialog/win32/frmSettings.h"
#include "flash/win32/frmFlash.h"
#include "platform/win32/SingleInstance.h"
#include "settings/Random.h"
#include "settings/Settings.h"
#include "settings/StartWithWindows.h"
#include "settings/modSettings.h"

namespace {

void SeedFromTimeOfDay()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    SeedRandom(((now.wHour * 60u + now.wMinute) * 60u + now.wSecond) * 1000u + now.wMilliseconds);
}

void RunUntilTheLastWindowIsGone()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsSettingsDialogMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Main(HINSTANCE instance)
{
    const SingleInstance single;
    if (single.AnotherIsRunning())
        return;

    SeedFromTimeOfDay();
    LoadSettings();
    if (gSettings.StartWithWindows)
        ApplyStartWithWindows(true);

    frmFlash flash(instance, gSettings.HideFromCapture);
    frmMain form(instance, flash);
    if (gSettings.StartActive)
        form.StartFlashing();

    RunUntilTheLastWindowIsGone();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Every failure of the program is silent; one that no handler caught ends it quietly.
    try {
        Main(instance);
    } catch (...) {
    }
    return 0;
}
