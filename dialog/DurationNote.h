#pragma once
#include <string>
#include <string_view>

#include "flash/FrameGrid.h"

// The note beside the display time: how many frames of a display with this period the time in
// the box lasts, e.g. "6 frames at 60 Hz", while the box holds a whole number of milliseconds
// that Save accepts; otherwise the note's example.
std::string DurationNoteText(std::string_view boxText, Nanoseconds framePeriod);
