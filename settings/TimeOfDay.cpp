#include "settings/TimeOfDay.h"

#include "settings/ReadNumber.h"

#include <charconv>

namespace {

constexpr int32_t kHoursPerDay = 24;
constexpr int32_t kMinutesPerHour = 60;

// The value of one or two decimal digits; nothing for any other text.
std::optional<int32_t> TwoDigits(std::string_view text)
{
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.size() > 2 || error != std::errc{} || stop != end)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::string TwoDigitText(int32_t value)
{
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text)
{
    std::string kept;
    for (char c : text) {
        if (kIgnoredInNumbers.find(c) == std::string_view::npos)
            kept += c;
    }
    const std::size_t colon = kept.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::optional<int32_t> hour = TwoDigits(std::string_view(kept).substr(0, colon));
    const std::optional<int32_t> minute = TwoDigits(std::string_view(kept).substr(colon + 1));
    if (!hour || !minute || *hour >= kHoursPerDay || *minute >= kMinutesPerHour)
        return std::nullopt;
    return TimeOfDay{*hour * kMinutesPerHour + *minute};
}

std::string FormatTimeOfDay(TimeOfDay time)
{
    return TwoDigitText(time.Minutes / kMinutesPerHour) + ":" + TwoDigitText(time.Minutes % kMinutesPerHour);
}
