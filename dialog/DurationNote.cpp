#include "dialog/DurationNote.h"

#include "dialog/SettingsLayout.h"
#include "dialog/ValidateNumber.h"
#include "settings/SettingsFields.h"

std::string DurationNoteText(std::string_view boxText, Nanoseconds framePeriod)
{
    constexpr Range durations = RangeOf(&Settings::DurationMs);
    const std::optional<int32_t> ms = ValidateNumber(boxText, durations.lo, durations.hi);
    if (!ms || boxText.find('.') != std::string_view::npos)
        return LayoutOf(lblDurNote).text;
    const int32_t frames = FramesFor(*ms, framePeriod);
    return std::to_string(frames) + (frames == 1 ? " frame at " : " frames at ") +
           std::to_string(RefreshRateHz(framePeriod)) + " Hz";
}
