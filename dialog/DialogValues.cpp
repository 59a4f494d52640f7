#include "dialog/DialogValues.h"

void AssignSettings(Settings& record, const CheckedNumbers& numbers, const DialogValues& values)
{
    record.IntervalMin = numbers.intervalMin;
    record.IntervalMax = numbers.intervalMax;
    record.DurationMs = numbers.durationMs;
    record.FontName = values.fontName;
    record.FontSizeMin = numbers.fontSizeMin;
    record.FontSizeMax = numbers.fontSizeMax;
    record.Bold = values.bold;
    record.Color = values.color;
    record.RandomColor = values.randomColor;
    record.Opacity = values.opacity;
    record.AllMonitors = values.allMonitors;
    record.StartWithWindows = values.startWithWindows;
    record.StartActive = values.startActive;
    record.StartMod = values.startMod;
    record.StartKey = values.startKey;
    record.StopMod = values.stopMod;
    record.StopKey = values.stopKey;
    record.Messages = values.messages;
}
