#include <windows.h>
#include <mmsystem.h>

#include "platform/SingleInstance.h"
#include "settings/Random.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const SingleInstance instance;
    if (instance.AnotherIsRunning())
        return 0;

    SYSTEMTIME now;
    GetLocalTime(&now);
    SeedRandom(((now.wHour * 60u + now.wMinute) * 60u + now.wSecond) * 1000u + now.wMilliseconds);
    timeBeginPeriod(1);
    timeEndPeriod(1);
    return 0;
}
