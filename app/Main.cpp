#include <windows.h>
#include <mmsystem.h>

#include "app/frmMain.h"
#include "dialog/frmSettings.h"
#include "flash/frmFlash.h"
#include "platform/SingleInstance.h"
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
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsSettingsDialogMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const SingleInstance single;
    if (single.AnotherIsRunning())
        return 0;

    SeedFromTimeOfDay();
    // Display times go down to 10 ms; the main form's unload handler releases this.
    timeBeginPeriod(1);
    LoadSettings();
    if (gSettings.StartWithWindows)
        ApplyStartWithWindows(true);

    frmFlash flash(instance);
    frmMain form(instance, flash);
    if (gSettings.StartActive)
        form.StartFlashing();

    RunUntilTheLastWindowIsGone();
    return 0;
}
