#include "alarms/AlarmSchedule.h"

#include "alarms/CalendarDay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace horavine {

namespace {

// Dates outside years 1 to 9999 come only from damaged files; such a field never matches
// anything, which also keeps the calendar arithmetic away from overflow.
constexpr int kFirstDay = -693593; // 1 January 0001
constexpr int kLastDay = 2958465; // 31 December 9999

std::optional<int> dayOfField(double value)
{
    if (!std::isfinite(value) || value <= kFirstDay - 1.0 || value >= kLastDay + 1.0)
        return std::nullopt;
    return DayOf(value);
}

bool isMultiple(std::int64_t difference, std::int32_t period)
{
    // A period of 0 would divide by zero; an alarm with it simply never rings.
    if (period == 0)
        return false;
    return difference % std::int64_t(period) == 0;
}

bool isChosen(char flag)
{
    return flag == kFlagChosen;
}

// The schedule of one record, read once so the day walk does not decode fields per day.
struct Rule
{
    bool enabled = false;
    std::optional<int> lastRingDay;
    std::int32_t kind = -1;
    std::optional<int> startDay; // OnceDate, DailyStart or WeeklyStart by kind
    int startWeek = 0;
    std::int32_t period = 0;
    const char* weekDays = nullptr;
    const char* months = nullptr;
    bool monthlyThe = false;
    std::int32_t monthlyDay = 0;
    std::int32_t monthlyTheN = 0;
    std::int32_t monthlyTheDay = 0;

    explicit Rule(const TAlarmRecord& record)
        : enabled(record.Enabled != 0)
        , lastRingDay(dayOfField(record.LastRingDate))
        , kind(record.Kind)
        , weekDays(record.WeekDays)
        , months(record.Months)
        , monthlyThe(record.MonthlyThe != 0)
        , monthlyDay(record.MonthlyDay)
        , monthlyTheN(record.MonthlyTheN)
        , monthlyTheDay(record.MonthlyTheDay)
    {
        switch (kind) {
        case akOnce:
            startDay = dayOfField(record.OnceDate);
            break;
        case akDaily:
            startDay = dayOfField(record.DailyStart);
            period = record.EveryNdays;
            break;
        case akWeekly:
            startDay = dayOfField(record.WeeklyStart);
            period = record.EveryNweeks;
            if (startDay)
                startWeek = WeekOfTheYear(*startDay);
            break;
        default:
            break;
        }
    }

    // Enabled and not rung on that day: what every test asks before looking at the time.
    bool mayRingOn(int day) const { return enabled && lastRingDay != day; }

    bool matches(const CalendarDay& d) const
    {
        switch (kind) {
        case akOnce:
            return startDay == d.day;
        case akDaily:
            return startDay && d.day >= *startDay && isMultiple(std::int64_t(d.day) - *startDay, period);
        case akWeekly:
            // Only the week numbers are compared, not their years: after a 53-week year the rhythm
            // shifts by a week. Saved alarms rely on the dates this gives, so it stays.
            return startDay && d.day >= *startDay && isChosen(weekDays[d.dayOfWeek])
                && isMultiple(d.week - startWeek, period);
        case akMonthly:
            if (!isChosen(months[d.month]))
                return false;
            return monthlyThe ? d.dayOfMonth == nthWeekDay(d) : d.dayOfMonth == monthlyDay;
        default:
            return false;
        }
    }

    // Day of the month of the monthlyTheN-th week day monthlyTheDay, the fifth meaning the last;
    // 0 when the fields are out of range.
    int nthWeekDay(const CalendarDay& d) const
    {
        if (monthlyTheN < 1 || monthlyTheN > 5 || monthlyTheDay < 1 || monthlyTheDay > 7)
            return 0;
        const int first = d.firstDayOfWeek;
        const int w = monthlyTheDay;
        int day = (first <= w ? w - first + 1 : 8 - first + w) + 7 * (monthlyTheN - 1);
        if (day > d.daysInMonth)
            day -= 7;
        return day;
    }
};

// Time of day of alarmTime earlier than that of moment by at least a millisecond.
bool isEarlier(double alarmTime, TDateTime moment)
{
    return dayOfField(alarmTime) && CompareTime(alarmTime, moment) < 0;
}

bool ringsNow(double alarmTime, const TimeParts& now)
{
    if (!dayOfField(alarmTime))
        return false;
    const TimeParts at = DecodeTime(alarmTime);
    return now.hour == at.hour && now.minute == at.minute && (now.second == 4 || now.second == 5);
}

} // namespace

int FindDueAlarm(const AlarmList& list, bool missed, int only, TDateTime moment)
{
    const int count = static_cast<int>(list.size());
    if (count == 0 || only >= count)
        return -1;
    const std::optional<int> day = dayOfField(moment);
    if (!day)
        return -1;
    const CalendarDay calendar = CalendarDay::of(*day);
    const TimeParts now = DecodeTime(moment);

    const int first = only >= 0 ? only : 0;
    const int last = only >= 0 ? only : count - 1;
    for (int i = first; i <= last; ++i) {
        const TAlarmRecord& record = list[static_cast<std::size_t>(i)];
        const Rule rule(record);
        if (!rule.mayRingOn(*day))
            continue;
        if (only < 0) {
            const bool timeDue = missed ? isEarlier(record.AlarmTime, moment) : ringsNow(record.AlarmTime, now);
            if (!timeDue)
                continue;
        }
        if (rule.matches(calendar))
            return i;
    }
    return -1;
}

int FindAlarmDueInGap(const AlarmList& list, TDateTime after, TDateTime until, TDateTime* ringMoment)
{
    const std::optional<int> firstDay = dayOfField(after);
    const std::optional<int> lastDay = dayOfField(until);
    if (!firstDay || !lastDay || until <= after)
        return -1;
    constexpr double kSecond = 1.0 / 86400.0;
    const int count = static_cast<int>(list.size());
    for (int day = std::max(*firstDay, *lastDay - 400); day <= *lastDay; ++day) {
        int found = -1;
        TDateTime earliest = 0;
        for (int i = 0; i < count; ++i) {
            const double alarmTime = list[static_cast<std::size_t>(i)].AlarmTime;
            if (!dayOfField(alarmTime))
                continue;
            const TimeParts at = DecodeTime(alarmTime);
            const TDateTime ring = day + (at.hour * 3600 + at.minute * 60 + 4) * kSecond;
            // A tick inside the ring seconds had its chance; only a window the gap swallowed counts.
            if (ring <= after || ring + 2 * kSecond > until)
                continue;
            if ((found < 0 || ring < earliest) && FindDueAlarm(list, false, i, ring) == i) {
                found = i;
                earliest = ring;
            }
        }
        if (found >= 0) {
            if (ringMoment)
                *ringMoment = earliest;
            return found;
        }
    }
    return -1;
}

TDateTime NextRingDate(const AlarmList& list, int index, const Clock& clock)
{
    if (index < 0 || index >= static_cast<int>(list.size()))
        return 0;
    const TDateTime now = clock.now();
    const std::optional<int> today = dayOfField(now);
    if (!today)
        return 0;
    const TAlarmRecord& record = list[static_cast<std::size_t>(index)];
    const Rule rule(record);
    if (!rule.enabled)
        return 0;

    int start = *today;
    if (rule.lastRingDay == *today || isEarlier(record.AlarmTime, now))
        ++start;
    if (start > kLastDay)
        return 0;
    CalendarDay calendar = CalendarDay::of(start);
    int end = DayNumber(calendar.year, 12, 31) + DaysInYear(calendar.year + 1);
    if (end > kLastDay)
        end = kLastDay;

    // Each day is what FindDueAlarm(true, index, day) tests: with only >= 0 there is no time test.
    for (;;) {
        if (rule.mayRingOn(calendar.day) && rule.matches(calendar))
            return calendar.day;
        if (calendar.day >= end)
            return 0;
        calendar.advance();
    }
}

} // namespace horavine
