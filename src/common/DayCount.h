#pragma once

// Date-time values are double-precision day counts: whole days since 30 December 1899,
// the fraction being the time of day. Files store them this way, so every rule works on them.

#include <QDateTime>

namespace horavine {

using TDateTime = double;

inline constexpr double kMSecsPerDay = 86400000.0;
inline constexpr double kOneMillisecond = 1.0 / kMSecsPerDay;

struct DateParts
{
    int year = 1899;
    int month = 12;
    int day = 30;
    bool operator==(const DateParts&) const = default;
};

struct TimeParts
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    bool operator==(const TimeParts&) const = default;
};

// --- whole days (the day of a moment is its whole part, cut toward zero)
int DayOf(TDateTime moment);
double TimeOf(TDateTime moment); // the fractional part, sign kept
bool IsSameDay(TDateTime a, TDateTime b);
// Compares the times of day only; equal when they differ by less than one millisecond.
// Returns -1, 0 or 1.
int CompareTime(TDateTime a, TDateTime b);

// --- calendar (Gregorian, proleptic)
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
int DaysInYear(int year);
bool IsValidDate(int year, int month, int day);
int DayNumber(int year, int month, int day); // day count of midnight of that date
DateParts DateOfDay(int day);
int DayOfTheWeek(int day); // ISO: 1 Monday .. 7 Sunday
int WeekOfTheYear(int day); // ISO 8601 week number, 1..53
int DayOfTheYear(int day); // 1 for 1 January

// --- moments
TDateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0);
// Decoding rounds the moment to the nearest millisecond first, so 07:30:05.9999999 reads as
// 07:30:06 (and 23:59:59.9999999 as midnight of the next day).
void DecodeDateTime(TDateTime moment, DateParts& date, TimeParts& time);
DateParts DecodeDate(TDateTime moment);
TimeParts DecodeTime(TDateTime moment);

TDateTime FromQDateTime(const QDateTime& local); // wall-clock fields, no time-zone arithmetic
QDateTime ToQDateTime(TDateTime moment);

} // namespace horavine
