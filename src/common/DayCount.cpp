#include "common/DayCount.h"

#include <cmath>
#include <cstdint>

namespace horavine {

namespace {

// 1 January 1970 in day counts.
constexpr int kUnixEpochDay = 25569;

// Civil-from-days and days-from-civil over the proleptic Gregorian calendar
// (H. Hinnant's algorithms), counted from 1 January 1970.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

DateParts civilFromDays(int64_t z)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

} // namespace

int DayOf(TDateTime moment)
{
    // Damaged files can hold any double; a cast of one beyond int's range would be undefined.
    if (!(std::fabs(moment) < 2.0e9))
        return 0;
    return static_cast<int>(std::trunc(moment));
}

double TimeOf(TDateTime moment)
{
    return moment - std::trunc(moment);
}

bool IsSameDay(TDateTime a, TDateTime b)
{
    return DayOf(a) == DayOf(b);
}

int CompareTime(TDateTime a, TDateTime b)
{
    const double fa = TimeOf(a);
    const double fb = TimeOf(b);
    if (std::fabs(fa - fb) < kOneMillisecond)
        return 0;
    return fa < fb ? -1 : 1;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

int DaysInYear(int year)
{
    return IsLeapYear(year) ? 366 : 365;
}

bool IsValidDate(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

int DayNumber(int year, int month, int day)
{
    return static_cast<int>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day))
                            + kUnixEpochDay);
}

DateParts DateOfDay(int day)
{
    return civilFromDays(static_cast<int64_t>(day) - kUnixEpochDay);
}

int DayOfTheWeek(int day)
{
    // Day 0 (30 December 1899) was a Saturday, ISO day 6.
    int w = (day + 5) % 7;
    if (w < 0)
        w += 7;
    return w + 1;
}

int DayOfTheYear(int day)
{
    return day - DayNumber(DateOfDay(day).year, 1, 1) + 1;
}

int WeekOfTheYear(int day)
{
    // The week belongs to the year of its Thursday.
    const int thursday = day + 4 - DayOfTheWeek(day);
    return (DayOfTheYear(thursday) - 1) / 7 + 1;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const double time = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec;
    const int whole = DayNumber(year, month, day);
    // Before day 0 the fraction still counts forward from midnight (-1.25 is 29 December 1899, 06:00).
    return whole >= 0 ? whole + time / kMSecsPerDay : whole - time / kMSecsPerDay;
}

void DecodeDateTime(TDateTime moment, DateParts& date, TimeParts& time)
{
    if (!std::isfinite(moment) || std::fabs(moment) > 3.0e6) {
        // Far outside any calendar the files can mean; decode as day 0 rather than overflow.
        moment = 0;
    }
    const int64_t ms = std::llround(moment * kMSecsPerDay);
    const int64_t msPerDay = static_cast<int64_t>(kMSecsPerDay);
    const int64_t whole = ms / msPerDay; // toward zero, like the day of a moment
    int64_t rest = (ms < 0 ? -ms : ms) % msPerDay;
    date = DateOfDay(static_cast<int>(whole));
    time.msec = static_cast<int>(rest % 1000);
    rest /= 1000;
    time.second = static_cast<int>(rest % 60);
    rest /= 60;
    time.minute = static_cast<int>(rest % 60);
    time.hour = static_cast<int>(rest / 60);
}

DateParts DecodeDate(TDateTime moment)
{
    DateParts d;
    TimeParts t;
    DecodeDateTime(moment, d, t);
    return d;
}

TimeParts DecodeTime(TDateTime moment)
{
    DateParts d;
    TimeParts t;
    DecodeDateTime(moment, d, t);
    return t;
}

TDateTime FromQDateTime(const QDateTime& local)
{
    const QDate d = local.date();
    const QTime t = local.time();
    return EncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec());
}

QDateTime ToQDateTime(TDateTime moment)
{
    DateParts d;
    TimeParts t;
    DecodeDateTime(moment, d, t);
    return QDateTime(QDate(d.year, d.month, d.day), QTime(t.hour, t.minute, t.second, t.msec));
}

} // namespace horavine
