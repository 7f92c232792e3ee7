#pragma once

// Alarm records built from field values, the way the editor would store them.

#include "alarms/AlarmRecord.h"
#include "common/DayCount.h"

#include <cstring>

namespace horavine::test {

inline TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0)
{
    return EncodeDateTime(year, month, day, hour, minute, second, msec);
}

inline TDateTime Day(int year, int month, int day)
{
    return DayNumber(year, month, day);
}

// A time of day alone, as the time picker stores it when its date part is day 0.
inline TDateTime AtTime(int hour, int minute, int second = 0)
{
    return At(1899, 12, 30, hour, minute, second);
}

// Flags from a pattern such as "1.....7": a digit or letter chooses that place, '.' does not.
template <std::size_t N> void SetFlags(char (&flags)[N], const char* pattern)
{
    flags[0] = kFlagNotChosen;
    for (std::size_t i = 1; i < N; ++i)
        flags[i] = pattern[i - 1] == '.' ? kFlagNotChosen : kFlagChosen;
}

// An enabled alarm of the given kind at timeOfDay (the date part is arbitrary, as with the time
// picker), with the editor's defaults elsewhere: periods of 1, no days or months chosen.
inline TAlarmRecord MakeAlarm(TAlarmKind kind, TDateTime timeOfDay)
{
    TAlarmRecord r = TAlarmRecord::zeroed();
    r.Enabled = 1;
    r.Kind = kind;
    r.AlarmTime = timeOfDay;
    r.EveryNdays = 1;
    r.EveryNweeks = 1;
    r.MonthlyDay = 1;
    r.MonthlyTheN = 1;
    r.MonthlyTheDay = 1;
    SetFlags(r.WeekDays, ".......");
    SetFlags(r.Months, "............");
    r.StaysOn = 0;
    return r;
}

inline TAlarmRecord OnceAlarm(TDateTime day, TDateTime timeOfDay)
{
    TAlarmRecord r = MakeAlarm(akOnce, timeOfDay);
    r.OnceDate = day;
    return r;
}

inline TAlarmRecord DailyAlarm(TDateTime start, int everyNdays, TDateTime timeOfDay)
{
    TAlarmRecord r = MakeAlarm(akDaily, timeOfDay);
    r.DailyStart = start;
    r.EveryNdays = everyNdays;
    return r;
}

inline TAlarmRecord WeeklyAlarm(TDateTime start, int everyNweeks, const char* weekDays, TDateTime timeOfDay)
{
    TAlarmRecord r = MakeAlarm(akWeekly, timeOfDay);
    r.WeeklyStart = start;
    r.EveryNweeks = everyNweeks;
    SetFlags(r.WeekDays, weekDays);
    return r;
}

inline TAlarmRecord MonthlyDayAlarm(int monthlyDay, const char* months, TDateTime timeOfDay)
{
    TAlarmRecord r = MakeAlarm(akMonthly, timeOfDay);
    r.MonthlyThe = 0;
    r.MonthlyDay = monthlyDay;
    SetFlags(r.Months, months);
    return r;
}

inline TAlarmRecord MonthlyTheAlarm(int n, int weekDay, const char* months, TDateTime timeOfDay)
{
    TAlarmRecord r = MakeAlarm(akMonthly, timeOfDay);
    r.MonthlyThe = 1;
    r.MonthlyTheN = n;
    r.MonthlyTheDay = weekDay;
    SetFlags(r.Months, months);
    return r;
}

inline constexpr const char* kAllMonths = "123456789ABC";

} // namespace horavine::test
