#include "app/ActiveHours.h"

#include <gtest/gtest.h>

using namespace std::chrono;

// A zone at UTC until `change`, then `shift` ahead of it. A wall-clock time that it skips or
// passes twice is read as UTC when that lies before the change, else as after it.
struct ScriptedZone : LocalZone {
    ScriptedZone(sys_seconds change, hours shift) : change(change), shift(shift) {}

    local_seconds ToLocal(sys_seconds instant) const override
    {
        return local_seconds{(instant < change ? instant : instant + shift).time_since_epoch()};
    }
    sys_seconds ToUtc(local_seconds wall) const override
    {
        const sys_seconds asUtc{wall.time_since_epoch()};
        return asUtc < change ? asUtc : asUtc - shift;
    }

    sys_seconds change;
    hours shift;
};

static ActiveHours Hours(const char* from, const char* to, int32_t days)
{
    return {ParseTimeOfDay(from).value(), ParseTimeOfDay(to).value(), days};
}

// Times are UTC, which `utc` shows as they are. On the two change days the clock goes from
// 02:00 to 03:00, or back to 01:00.
constexpr sys_days Mon{2024y / June / 3}, Tue = Mon + days{1}, Wed = Mon + days{2}, Fri = Mon + days{4},
                   Sat = Mon + days{5}, NextMon = Mon + weeks{1}, NextFri = Fri + weeks{1};
constexpr sys_days march31{2024y / March / 31}, october27{2024y / October / 27};
const ScriptedZone utc({}, 0h), forward(march31 + 2h, 1h), back(october27 + 2h, -1h);
const ActiveHours office = Hours("09:00", "17:00", 31), fridayNights = Hours("22:00", "02:00", 16);

// The zone, the hours, now and what is expected.
using Case = std::tuple<const ScriptedZone&, std::optional<ActiveHours>, sys_seconds, std::optional<sys_seconds>>;

TEST(ActiveHours, NowWhenInsideElseTheNextStartOnAChosenDayEvenOnTheDaysTheClockGoesForwardOrBack)
{
    const Case cases[] = {
        {utc, office, Mon + 9h, Mon + 9h}, {utc, office, Mon + 8h + 59min, Mon + 9h},
        {utc, office, Mon + 17h, Tue + 9h}, {utc, Hours("09:00", "17:00", 1), Mon + 17h, NextMon + 9h},
        // Friday's night runs into Saturday, which is not chosen; Thursday's is not chosen.
        {utc, fridayNights, Sat + 1h + 59min, Sat + 1h + 59min}, {utc, fridayNights, Sat + 2h, NextFri + 22h},
        {utc, fridayNights, Fri + 1h, Fri + 22h},
        // Equal times make the whole day, whatever they are.
        {utc, Hours("08:00", "08:00", 4), Mon + 10h, Wed}, {utc, Hours("09:00", "17:00", 0), Mon + 10h, std::nullopt},
        // At 01:45 the start at 02:30 is met when the clock jumps; hours from 02:10 to 02:40 are skipped whole.
        {forward, Hours("02:30", "17:00", 127), march31 + 1h + 45min, march31 + 2h},
        {forward, Hours("02:10", "02:40", 127), march31 + 1h + 45min, march31 + days{1} + 1h + 10min},
        // At 01:10, the first time and the second, the start at 01:30 is next.
        {back, Hours("01:30", "17:00", 127), october27 + 1h + 10min, october27 + 1h + 30min},
        {back, Hours("01:30", "17:00", 127), october27 + 2h + 10min, october27 + 2h + 30min}};
    for (const auto& [zone, hours, now, next] : cases)
        EXPECT_EQ(NextWithinHours(*hours, now, zone), next) << "now " << now.time_since_epoch().count();
}

TEST(ActiveHours, UntilTomorrowIsTheFirstStartAfterTodaysDateOrSixInTheMorning)
{
    const Case cases[] = {
        {utc, std::nullopt, Mon + 30min, Tue + 6h}, {utc, Hours("09:00", "17:00", 0), Mon + 10h, Tue + 6h},
        {utc, office, Mon + 8h, Tue + 9h},
        // At 23:30 on the day the clock went back.
        {back, std::nullopt, october27 + days{1} + 30min, october27 + days{1} + 7h}};
    for (const auto& [zone, hours, now, end] : cases)
        EXPECT_EQ(UntilTomorrow(hours, now, zone), end) << "now " << now.time_since_epoch().count();
}
