#pragma once
#include <windows.h>
#include <mmsystem.h>

#include "platform/UniqueHandle.h"

// A request for a finer system timer resolution, in milliseconds, given back exactly once
// when its owner lets it go.
using TimerResolution = UniqueHandle<UINT, &timeEndPeriod>;

inline TimerResolution RequestTimerResolution(UINT periodMs)
{
    timeBeginPeriod(periodMs);
    return TimerResolution(periodMs);
}
