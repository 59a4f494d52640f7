#include "app/ActiveHours.h"

#include <utility>
#include <vector>

using std::chrono::days;
using std::chrono::local_days;
using std::chrono::local_seconds;
using std::chrono::minutes;
using std::chrono::seconds;
using std::chrono::sys_seconds;

namespace {

// Without a schedule, "until tomorrow" ends about when a working day begins.
constexpr std::chrono::hours kMorning{6};

struct Window {
    local_seconds begin;
    local_seconds end;
};

// The hours that begin on day, chosen or not.
Window WindowOn(const ActiveHours& hours, local_days day)
{
    const minutes from{hours.From.Minutes};
    const minutes to{hours.To.Minutes};
    if (from == to)
        return {day, day + days{1}};
    return {day + from, (from < to ? day : day + days{1}) + to};
}

bool IsChosen(const ActiveHours& hours, local_days day)
{
    return (hours.Days & DayBit(static_cast<int32_t>(std::chrono::weekday(day).iso_encoding()) - 1)) != 0;
}

sys_seconds At(local_seconds wall, seconds offset)
{
    return sys_seconds{wall.time_since_epoch() - offset};
}

seconds OffsetAt(sys_seconds instant, const LocalZone& zone)
{
    return zone.ToLocal(instant).time_since_epoch() - instant.time_since_epoch();
}

// The first moment after early, up to late, at which the clock shows wall or later; at
// early it shows less.
sys_seconds FirstReaching(local_seconds wall, sys_seconds early, sys_seconds late, const LocalZone& zone)
{
    while (late - early > seconds{1}) {
        const sys_seconds middle = early + (late - early) / 2;
        (zone.ToLocal(middle) < wall ? early : late) = middle;
    }
    return late;
}

// The moments at which the clock shows wall: one on most days, two when it goes back over
// wall; when it jumps over wall, the moment of the jump. What the system makes of such a
// wall-clock time serves only to find the offsets that hold around it.
std::vector<sys_seconds> MomentsAt(local_seconds wall, const LocalZone& zone)
{
    // The clock changes at most once in two days, so the offsets a day either side are all
    // that it can show near wall.
    const sys_seconds guess = zone.ToUtc(wall);
    sys_seconds early = At(wall, OffsetAt(guess - days{1}, zone));
    sys_seconds late = At(wall, OffsetAt(guess + days{1}, zone));
    if (late < early)
        std::swap(early, late);
    std::vector<sys_seconds> moments;
    for (const sys_seconds moment : {early, late}) {
        if (zone.ToLocal(moment) == wall)
            moments.push_back(moment);
    }
    if (moments.empty())
        moments.push_back(FirstReaching(wall, early, late, zone));
    return moments;
}

// The first moment after `after` at which the hours that begin on day are entered; nothing
// when the day is not chosen or no such moment is left.
std::optional<sys_seconds> OpeningAfter(const ActiveHours& hours, local_days day, sys_seconds after,
                                        const LocalZone& zone)
{
    std::optional<sys_seconds> opening;
    if (!IsChosen(hours, day))
        return opening;
    for (const sys_seconds moment : MomentsAt(WindowOn(hours, day).begin, zone)) {
        // A jump of the clock may pass over the hours whole.
        if (moment > after && IsWithinHours(hours, zone.ToLocal(moment)) && (!opening || moment < *opening))
            opening = moment;
    }
    return opening;
}

// Days follow one another, and so do their openings.
std::optional<sys_seconds> FirstOpening(const ActiveHours& hours, local_days first, local_days last,
                                        sys_seconds after, const LocalZone& zone)
{
    for (local_days day = first; day <= last; day += days{1}) {
        if (const std::optional<sys_seconds> opening = OpeningAfter(hours, day, after, zone))
            return opening;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ActiveHours> ActiveHoursOf(const Settings& settings)
{
    if (!settings.UseSchedule)
        return std::nullopt;
    return ActiveHours{settings.From, settings.To, settings.Days};
}

bool IsWithinHours(const ActiveHours& hours, local_seconds now)
{
    const local_days today = std::chrono::floor<days>(now);
    // Hours across midnight that began yesterday may not be over yet.
    for (const local_days day : {today - days{1}, today}) {
        const Window window = WindowOn(hours, day);
        if (IsChosen(hours, day) && window.begin <= now && now < window.end)
            return true;
    }
    return false;
}

std::optional<sys_seconds> NextWithinHours(const ActiveHours& hours, sys_seconds now, const LocalZone& zone)
{
    const local_seconds wall = zone.ToLocal(now);
    if (IsWithinHours(hours, wall))
        return now;
    // Today's hours may be past, so it takes a week and a day to meet every weekday.
    const local_days today = std::chrono::floor<days>(wall);
    return FirstOpening(hours, today, today + days{7}, now, zone);
}

sys_seconds UntilTomorrow(const std::optional<ActiveHours>& hours, sys_seconds now, const LocalZone& zone)
{
    const local_days tomorrow = std::chrono::floor<days>(zone.ToLocal(now)) + days{1};
    if (hours) {
        if (const std::optional<sys_seconds> opening = FirstOpening(*hours, tomorrow, tomorrow + days{6}, now, zone))
            return *opening;
    }
    return zone.ToUtc(tomorrow + kMorning);
}
