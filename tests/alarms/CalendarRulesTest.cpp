// The calendar rules the alarm schedules stand on: ISO weeks across year ends, leap years,
// the millisecond rules of time comparison, and the day-by-day calendar of the next-ring search.

#include "AlarmTestSupport.h"
#include "alarms/CalendarDay.h"
#include "common/DayCount.h"

#include <QDate>
#include <gtest/gtest.h>
#include <tuple>

using namespace horavine;
using namespace horavine::test;

TEST(CalendarRules, IsoWeekNumberIgnoresTheWeeksYear)
{
    struct Row
    {
        int y, m, d, week, dayOfWeek;
    };
    const Row rows[] = {
        {2020, 12, 21, 52, 1}, {2020, 12, 28, 53, 1}, {2021, 1, 1, 53, 5},  {2021, 1, 4, 1, 1},
        {2021, 1, 11, 2, 1},   {2021, 1, 25, 4, 1},   {2019, 12, 30, 1, 1}, {2008, 12, 29, 1, 1},
        {2010, 1, 3, 53, 7},   {2005, 1, 1, 53, 6},   {2006, 1, 1, 52, 7},  {2007, 1, 1, 1, 1},
        {2015, 12, 31, 53, 4}, {2026, 1, 1, 1, 4},    {2027, 1, 1, 53, 5},  {1899, 12, 30, 52, 6},
    };
    for (const Row& r : rows) {
        const int day = DayNumber(r.y, r.m, r.d);
        EXPECT_EQ(WeekOfTheYear(day), r.week) << r.y << '-' << r.m << '-' << r.d;
        EXPECT_EQ(DayOfTheWeek(day), r.dayOfWeek) << r.y << '-' << r.m << '-' << r.d;
    }
}

TEST(CalendarRules, LeapYearsFollowTheGregorianRule)
{
    struct Row
    {
        int year;
        bool leap;
    };
    const Row rows[] = {{2024, true}, {2023, false}, {2000, true}, {1900, false}, {2100, false}, {2400, true}};
    for (const Row& r : rows) {
        EXPECT_EQ(IsLeapYear(r.year), r.leap) << r.year;
        EXPECT_EQ(DaysInYear(r.year), r.leap ? 366 : 365) << r.year;
        EXPECT_EQ(DaysInMonth(r.year, 2), r.leap ? 29 : 28) << r.year;
        EXPECT_EQ(DayOfTheYear(DayNumber(r.year, 12, 31)), r.leap ? 366 : 365) << r.year;
    }
}

// QDate is an independent calendar: the helpers must agree with it on every day of two centuries.
TEST(CalendarRules, DayHelpersAgreeWithQDate)
{
    const QDate epoch(1899, 12, 30);
    for (QDate q(1900, 1, 1); q.year() <= 2100; q = q.addDays(1)) {
        const int day = static_cast<int>(epoch.daysTo(q));
        ASSERT_EQ(DayNumber(q.year(), q.month(), q.day()), day) << q.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(DateOfDay(day), (DateParts{q.year(), q.month(), q.day()}));
        ASSERT_EQ(DayOfTheWeek(day), q.dayOfWeek());
        ASSERT_EQ(WeekOfTheYear(day), q.weekNumber()) << q.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(DayOfTheYear(day), q.dayOfYear());
        ASSERT_EQ(DaysInMonth(q.year(), q.month()), q.daysInMonth());
    }
}

TEST(CalendarRules, SteppingADayForwardMatchesTheFullCalculation)
{
    // Includes the 1900 and 2100 non-leap centuries and many 53-week years.
    CalendarDay stepped = CalendarDay::of(DayNumber(1890, 1, 1));
    const int end = DayNumber(2110, 12, 31);
    while (stepped.day < end) {
        stepped.advance();
        const CalendarDay full = CalendarDay::of(stepped.day);
        ASSERT_EQ(stepped.year, full.year) << stepped.day;
        ASSERT_EQ(stepped.month, full.month) << stepped.day;
        ASSERT_EQ(stepped.dayOfMonth, full.dayOfMonth) << stepped.day;
        ASSERT_EQ(stepped.daysInMonth, full.daysInMonth) << stepped.day;
        ASSERT_EQ(stepped.dayOfWeek, full.dayOfWeek) << stepped.day;
        ASSERT_EQ(stepped.week, full.week) << stepped.day;
        ASSERT_EQ(stepped.firstDayOfWeek, DayOfTheWeek(DayNumber(full.year, full.month, 1))) << stepped.day;
    }
}

TEST(CalendarRules, DecodedTimeRoundsToTheNearestMillisecond)
{
    struct Row
    {
        TDateTime moment;
        int hour, minute, second;
    };
    const double justUnderASecond = 0.9999999 / 86400.0;
    const Row rows[] = {
        {At(2024, 3, 1, 7, 30, 5) + justUnderASecond, 7, 30, 6},
        {At(2024, 3, 1, 7, 30, 3) + justUnderASecond, 7, 30, 4},
        {At(2024, 3, 1, 7, 30, 5, 499), 7, 30, 5},
        {At(2024, 3, 1, 23, 59, 59, 999), 23, 59, 59},
        {At(1899, 12, 29, 6, 0), 6, 0, 0}, // before day 0 the fraction still counts from midnight
    };
    for (const Row& r : rows) {
        const TimeParts t = DecodeTime(r.moment);
        EXPECT_EQ((std::tuple{t.hour, t.minute, t.second}), (std::tuple{r.hour, r.minute, r.second})) << r.moment;
    }
}

TEST(CalendarRules, TimesWithinAMillisecondAreTheSame)
{
    struct Row
    {
        TDateTime a, b;
        int expected;
    };
    const double ms = kOneMillisecond;
    const Row rows[] = {
        {At(2024, 1, 1, 8, 0), At(2020, 5, 5, 9, 0), -1}, // dates play no part
        {At(2024, 1, 1, 8, 0), At(2024, 1, 1, 8, 0) + 0.5 * ms, 0},
        {At(2024, 1, 1, 8, 0), At(2024, 1, 1, 8, 0) + 1.001 * ms, -1},
        {At(2024, 1, 1, 8, 0) + 1.001 * ms, At(2024, 1, 1, 8, 0), 1},
        {At(2024, 1, 1, 8, 0, 45), At(2024, 1, 1, 8, 0, 20), 1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CompareTime(r.a, r.b), r.expected) << r.a << " vs " << r.b;
}
