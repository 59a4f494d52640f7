#include "platform/win32/LocalTime.h"

#include <windows.h>

#include "platform/win32/Text.h"

using namespace std::chrono;

namespace {

template <typename Clock>
SYSTEMTIME ToSystemTime(time_point<Clock, seconds> moment)
{
    const auto day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{moment - day};
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(static_cast<int>(date.year()));
    st.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    st.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    st.wDayOfWeek = static_cast<WORD>(weekday(day).c_encoding());
    st.wHour = static_cast<WORD>(time.hours().count());
    st.wMinute = static_cast<WORD>(time.minutes().count());
    st.wSecond = static_cast<WORD>(time.seconds().count());
    return st;
}

template <typename Clock>
time_point<Clock, seconds> FromSystemTime(const SYSTEMTIME& st)
{
    const auto date = year{st.wYear} / month{st.wMonth} / day{st.wDay};
    return time_point<Clock, seconds>{time_point<Clock, days>{date}.time_since_epoch()} + hours{st.wHour} +
           minutes{st.wMinute} + seconds{st.wSecond};
}

std::string Formatted(int (*format)(const SYSTEMTIME&, wchar_t*, int), const SYSTEMTIME& st)
{
    wchar_t text[128] = {};
    format(st, text, static_cast<int>(std::size(text)));
    return Utf8(text);
}

}  // namespace

// A conversion that fails keeps the moment as it is: a time off by the zone's offset is
// better than none. The calls of the current zone, not their newer forms with a zone
// argument: those are missing under Wine, which stops the program on them.
local_seconds SystemZone::ToLocal(sys_seconds instant) const
{
    const SYSTEMTIME utc = ToSystemTime(instant);
    SYSTEMTIME local{};
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return local_seconds{instant.time_since_epoch()};
    return FromSystemTime<local_t>(local);
}

sys_seconds SystemZone::ToUtc(local_seconds wallClock) const
{
    const SYSTEMTIME local = ToSystemTime(wallClock);
    SYSTEMTIME utc{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc))
        return sys_seconds{wallClock.time_since_epoch()};
    return FromSystemTime<system_clock>(utc);
}

sys_seconds SystemWallNow()
{
    return floor<seconds>(system_clock::now());
}

std::string UserTime(sys_seconds moment, sys_seconds now, const LocalZone& zone)
{
    const local_seconds wall = zone.ToLocal(moment);
    const SYSTEMTIME st = ToSystemTime(wall);
    std::string time = Formatted(
        [](const SYSTEMTIME& t, wchar_t* text, int size) {
            return GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &t, nullptr, text, size);
        },
        st);
    if (floor<days>(wall) == floor<days>(zone.ToLocal(now)))
        return time;
    const std::string day = Formatted(
        [](const SYSTEMTIME& t, wchar_t* text, int size) {
            return GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, L"ddd", text, size, nullptr);
        },
        st);
    return day + " " + time;
}
