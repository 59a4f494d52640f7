#pragma once

// The settings file that a first run writes, byte for byte.
inline constexpr const char* kDefaultFile =
    "[Timing]\r\nIntervalMin=5\r\nIntervalMax=20\r\nDurationMs=100\r\n"
    "[Look]\r\nFontName=Arial\r\nFontSizeMin=28\r\nFontSizeMax=48\r\nBold=1\r\nColor=16777215\r\n"
    "RandomColor=0\r\nOpacity=230\r\nAllMonitors=1\r\n"
    "[General]\r\nStartWithWindows=1\r\nStartActive=0\r\nPauseWhenBusy=1\r\nHideFromCapture=1\r\n"
    "[Hotkeys]\r\nStartMod=3\r\nStartKey=83\r\nStopMod=3\r\nStopKey=88\r\n"
    "[Schedule]\r\nUseSchedule=0\r\nFrom=09:00\r\nTo=17:00\r\nDays=127\r\n"
    "[Messages]\r\nCount=5\r\nM1=You are calm\r\nM2=You are confident\r\nM3=You can do this\r\n"
    "M4=Stay focused\r\nM5=Drink some water\r\n";
