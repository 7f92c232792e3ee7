#include "alarms/AlarmSchedule.h"

#include "AlarmTestSupport.h"

#include <QDate>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace horavine;
using namespace horavine::test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The schedule alone: NextRingDate's own question for one day.
bool ScheduledOn(const TAlarmRecord& alarm, TDateTime day)
{
    return FindDueAlarm(AlarmList{alarm}, true, 0, day) == 0;
}

bool RingsNow(const TAlarmRecord& alarm, TDateTime moment)
{
    return FindDueAlarm(AlarmList{alarm}, false, -1, moment) == 0;
}

bool Missed(const TAlarmRecord& alarm, TDateTime moment)
{
    return FindDueAlarm(AlarmList{alarm}, true, -1, moment) == 0;
}

TDateTime NextFrom(const TAlarmRecord& alarm, TDateTime now)
{
    return NextRingDate(AlarmList{alarm}, 0, ManualClock(now));
}

const TDateTime kLongAgo = Day(2000, 1, 1);

} // namespace

TEST(AlarmSchedule, WeeklyCountsWeekNumbersWithoutTheirYears)
{
    const TAlarmRecord alarm = WeeklyAlarm(Day(2020, 12, 21), 2, "1......", AtTime(7, 30));
    struct Row
    {
        TDateTime day;
        bool rings;
    };
    const Row rows[] = {
        {Day(2020, 12, 21), true}, // week 52, difference 0
        {Day(2020, 12, 28), false}, // week 53, difference 1
        {Day(2021, 1, 4), false}, // week 1, difference -51
        {Day(2021, 1, 11), true}, // week 2, difference -50
        {Day(2021, 1, 18), false}, // week 3, difference -49
        {Day(2021, 1, 25), true}, // week 4, difference -48
        {Day(2020, 12, 22), false}, // Tuesday not chosen
        {Day(2020, 12, 7), false}, // week 50, even difference, but before the start
    };
    for (const Row& r : rows)
        EXPECT_EQ(ScheduledOn(alarm, r.day), r.rings) << DateOfDay(int(r.day)).day;
    EXPECT_EQ(NextFrom(alarm, At(2020, 12, 22, 6, 0)), Day(2021, 1, 11));
}

TEST(AlarmSchedule, RingsOnlyAtSecondsFourAndFiveOfItsMinute)
{
    const TAlarmRecord at0730 = DailyAlarm(kLongAgo, 1, At(2011, 6, 9, 7, 30, 0));
    const TAlarmRecord at073045 = DailyAlarm(kLongAgo, 1, AtTime(7, 30, 45));
    const double almostASecond = 0.9999999 / 86400.0;
    struct Row
    {
        const TAlarmRecord& alarm;
        TDateTime moment;
        bool rings;
    };
    const Row rows[] = {
        {at0730, At(2024, 3, 1, 7, 30, 0), false},
        {at0730, At(2024, 3, 1, 7, 30, 3), false},
        {at0730, At(2024, 3, 1, 7, 30, 4), true},
        {at0730, At(2024, 3, 1, 7, 30, 5), true},
        {at0730, At(2024, 3, 1, 7, 30, 6), false},
        {at0730, At(2024, 3, 1, 7, 31, 4), false},
        {at0730, At(2024, 3, 1, 6, 30, 4), false},
        {at0730, At(2024, 3, 1, 19, 30, 4), false},
        {at0730, At(2024, 3, 1, 7, 30, 3) + almostASecond, true}, // reads as 07:30:04
        {at0730, At(2024, 3, 1, 7, 30, 5) + almostASecond, false}, // reads as 07:30:06
        {at073045, At(2024, 3, 1, 7, 30, 4), true}, // the alarm's own seconds play no part
        {at073045, At(2024, 3, 1, 7, 30, 45), false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(RingsNow(r.alarm, r.moment), r.rings) << std::fixed << r.moment;

    const TAlarmRecord tomorrowOnly = OnceAlarm(Day(2024, 3, 2), AtTime(7, 30));
    EXPECT_FALSE(RingsNow(tomorrowOnly, At(2024, 3, 1, 7, 30, 4)));
}

TEST(AlarmSchedule, RingsAtMostOnceADay)
{
    struct Row
    {
        TDateTime lastRing;
        bool rings;
    };
    const Row rows[] = {
        {0, true},
        {Day(2024, 3, 1), false},
        {Day(2024, 3, 1) + 0.9, false}, // only the day counts
        {Day(2024, 2, 29), true},
        {Day(2024, 3, 2), true},
    };
    for (const Row& r : rows) {
        TAlarmRecord alarm = DailyAlarm(kLongAgo, 1, AtTime(7, 30));
        alarm.LastRingDate = r.lastRing;
        EXPECT_EQ(RingsNow(alarm, At(2024, 3, 1, 7, 30, 4)), r.rings) << r.lastRing;
        EXPECT_EQ(RingsNow(alarm, At(2024, 3, 1, 7, 30, 5)), r.rings) << r.lastRing;
        EXPECT_EQ(Missed(alarm, At(2024, 3, 1, 9, 0)), r.rings) << r.lastRing;
        EXPECT_EQ(ScheduledOn(alarm, Day(2024, 3, 1)), r.rings) << r.lastRing;
    }
}

TEST(AlarmSchedule, MissedWhenItsTimeOfDayHasPassedByAMillisecond)
{
    const TAlarmRecord alarm = DailyAlarm(kLongAgo, 1, At(2010, 5, 5, 8, 0));
    struct Row
    {
        TDateTime moment;
        bool missed;
    };
    const Row rows[] = {
        {At(2024, 3, 1, 9, 0), true},       {At(2024, 3, 1, 7, 59, 59), false},
        {At(2024, 3, 1, 8, 0), false},      {At(2024, 3, 1, 8, 0) + 0.5 * kOneMillisecond, false},
        {At(2024, 3, 1, 8, 0, 0, 2), true}, {At(2024, 3, 1, 23, 59, 59), true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Missed(alarm, r.moment), r.missed) << std::fixed << r.moment;

    const TAlarmRecord notToday = OnceAlarm(Day(2024, 3, 2), AtTime(8, 0));
    EXPECT_FALSE(Missed(notToday, At(2024, 3, 1, 9, 0)));
}

TEST(AlarmSchedule, OnlyTestsThatAlarmAndSkipsTheTimeTest)
{
    TAlarmRecord off = DailyAlarm(kLongAgo, 1, AtTime(9, 0));
    off.Enabled = 0;
    const AlarmList list{DailyAlarm(kLongAgo, 1, AtTime(7, 30)), off, OnceAlarm(Day(2024, 3, 2), AtTime(7, 30))};
    struct Row
    {
        bool missed;
        int only;
        TDateTime moment;
        int expected;
    };
    const Row rows[] = {
        {false, 0, At(2024, 3, 1, 12, 0, 30), 0},
        {true, 0, At(2024, 3, 1, 0, 0), 0},
        {false, 1, At(2024, 3, 1, 9, 0, 4), -1},
        {true, 2, Day(2024, 3, 1), -1},
        {false, 2, Day(2024, 3, 2), 2},
        {false, 3, Day(2024, 3, 2), -1},
        {false, 100, Day(2024, 3, 2), -1},
        {false, -1, At(2024, 3, 1, 7, 30, 4), 0},
        {false, -2, At(2024, 3, 1, 7, 30, 4), 0}, // any negative value means every alarm
        {false, -2, At(2024, 3, 1, 12, 0, 30), -1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FindDueAlarm(list, r.missed, r.only, r.moment), r.expected) << r.only;
    EXPECT_EQ(FindDueAlarm(AlarmList{}, true, -1, At(2024, 3, 1, 9, 0)), -1);
    EXPECT_EQ(FindDueAlarm(AlarmList{}, true, 0, At(2024, 3, 1, 9, 0)), -1);
}

TEST(AlarmSchedule, FirstDueAlarmInListOrderWins)
{
    const TAlarmRecord a = DailyAlarm(kLongAgo, 1, AtTime(7, 30));
    TAlarmRecord off = a;
    off.Enabled = 0;
    TAlarmRecord rung = a;
    rung.LastRingDate = Day(2024, 3, 1);
    const TDateTime moment = At(2024, 3, 1, 7, 30, 4);
    EXPECT_EQ(FindDueAlarm(AlarmList{a, a}, false, -1, moment), 0);
    EXPECT_EQ(FindDueAlarm(AlarmList{off, a}, false, -1, moment), 1);
    EXPECT_EQ(FindDueAlarm(AlarmList{rung, off, a}, false, -1, moment), 2);
    EXPECT_EQ(FindDueAlarm(AlarmList{rung, off}, true, -1, moment), -1);
}

TEST(AlarmSchedule, SwitchedOffAlarmNeverRingsAndHasNoNextDate)
{
    struct Row
    {
        std::uint8_t enabled;
        bool rings;
    };
    const Row rows[] = {{0, false}, {1, true}, {2, true}, {255, true}};
    for (const Row& r : rows) {
        TAlarmRecord alarm = DailyAlarm(kLongAgo, 1, AtTime(7, 30));
        alarm.Enabled = r.enabled;
        EXPECT_EQ(RingsNow(alarm, At(2024, 3, 1, 7, 30, 4)), r.rings) << int(r.enabled);
        EXPECT_EQ(NextFrom(alarm, At(2024, 3, 1, 6, 0)), r.rings ? Day(2024, 3, 1) : 0) << int(r.enabled);
    }
}

TEST(AlarmSchedule, DailyCountsDaysFromItsStart)
{
    struct Row
    {
        int everyN;
        TDateTime day;
        bool rings;
    };
    const Row rows[] = {
        {3, Day(2023, 2, 28), false},     {3, Day(2023, 3, 1), true},        {3, Day(2023, 3, 2), false},
        {3, Day(2023, 3, 3), false},      {3, Day(2023, 3, 4), true},        {3, Day(2023, 3, 7), true},
        {3, Day(2023, 3, 10), true},      {3, Day(2023, 3, 11), false},      {-3, Day(2023, 3, 4), true},
        {-3, Day(2023, 3, 5), false},     {0, Day(2023, 3, 1), false},       {0, Day(2023, 3, 2), false},
        {INT_MIN, Day(2023, 3, 1), true}, {INT_MIN, Day(2023, 3, 2), false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ScheduledOn(DailyAlarm(Day(2023, 3, 1), r.everyN, AtTime(7, 30)), r.day), r.rings)
            << r.everyN << " on " << DateOfDay(int(r.day)).day;

    const TAlarmRecord every3 = DailyAlarm(Day(2023, 3, 1), 3, AtTime(7, 30));
    EXPECT_EQ(NextFrom(every3, At(2023, 2, 20, 12, 0)), Day(2023, 3, 1));
    EXPECT_EQ(NextFrom(every3, At(2023, 3, 2, 6, 0)), Day(2023, 3, 4));
    EXPECT_EQ(NextFrom(every3, At(2023, 3, 4, 8, 0)), Day(2023, 3, 7));
    EXPECT_EQ(NextFrom(DailyAlarm(Day(2023, 3, 1), 0, AtTime(7, 30)), At(2023, 3, 1, 6, 0)), 0);
}

TEST(AlarmSchedule, MonthlyDayNeverMovesToTheMonthsLastDay)
{
    struct Row
    {
        int monthlyDay;
        const char* months;
        TDateTime now;
        TDateTime next;
    };
    const Row rows[] = {
        {31, kAllMonths, At(2023, 4, 1, 6, 0), Day(2023, 5, 31)},
        {31, kAllMonths, At(2023, 1, 31, 6, 0), Day(2023, 1, 31)},
        {31, kAllMonths, At(2023, 1, 31, 8, 0), Day(2023, 3, 31)},
        {29, ".2..........", At(2023, 1, 1, 6, 0), Day(2024, 2, 29)},
        {30, ".2..........", At(2023, 1, 1, 6, 0), 0},
        {15, "......7.....", At(2023, 8, 1, 6, 0), Day(2024, 7, 15)},
        {0, kAllMonths, At(2023, 1, 1, 6, 0), 0},
        {32, kAllMonths, At(2023, 1, 1, 6, 0), 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(NextFrom(MonthlyDayAlarm(r.monthlyDay, r.months, AtTime(7, 30)), r.now), r.next)
            << r.monthlyDay << ' ' << r.months;
}

TEST(AlarmSchedule, MonthlyTheFifthMeansTheLast)
{
    struct Row
    {
        int n, weekDay;
        TDateTime day;
        bool rings;
    };
    const Row rows[] = {
        {5, 5, Day(2023, 2, 24), true}, // February 2023 has four Fridays
        {5, 5, Day(2023, 2, 17), false}, {4, 5, Day(2023, 2, 24), true},
        {5, 5, Day(2023, 3, 31), true}, // March 2023 has five
        {5, 5, Day(2023, 3, 24), false}, {4, 5, Day(2023, 3, 24), true},
        {1, 1, Day(2023, 5, 1), true}, // 1 May 2023 is a Monday
        {2, 7, Day(2023, 10, 8), true}, // 1 October 2023 is a Sunday
        {2, 7, Day(2023, 10, 1), false}, {0, 5, Day(2023, 2, 24), false},
        {6, 5, Day(2023, 2, 24), false}, {1, 0, Day(2023, 5, 1), false},
        {1, 8, Day(2023, 5, 1), false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ScheduledOn(MonthlyTheAlarm(r.n, r.weekDay, kAllMonths, AtTime(7, 30)), r.day), r.rings)
            << r.n << '/' << r.weekDay << " on " << DateOfDay(int(r.day)).month << '-' << DateOfDay(int(r.day)).day;

    // Any non-zero mode byte is "The" mode; a month not chosen never rings.
    TAlarmRecord mode7 = MonthlyTheAlarm(1, 1, kAllMonths, AtTime(7, 30));
    mode7.MonthlyThe = 7;
    EXPECT_TRUE(ScheduledOn(mode7, Day(2023, 5, 1)));
    EXPECT_FALSE(ScheduledOn(MonthlyTheAlarm(1, 1, "1234.6789ABC", AtTime(7, 30)), Day(2023, 5, 1)));
}

// Every n-th week day of every month of three decades, checked against QDate's calendar.
TEST(AlarmSchedule, MonthlyTheRingsOnExactlyTheNthWeekDay)
{
    for (int year = 2000; year <= 2030; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            for (int weekDay = 1; weekDay <= 7; ++weekDay) {
                std::vector<int> days;
                for (QDate q = first; q.month() == month; q = q.addDays(1))
                    if (q.dayOfWeek() == weekDay)
                        days.push_back(q.day());
                for (int n = 1; n <= 5; ++n) {
                    const int expected = days[std::min<std::size_t>(n, days.size()) - 1];
                    const TAlarmRecord alarm = MonthlyTheAlarm(n, weekDay, kAllMonths, AtTime(7, 30));
                    for (int d = 1; d <= first.daysInMonth(); ++d)
                        ASSERT_EQ(ScheduledOn(alarm, Day(year, month, d)), d == expected)
                            << year << '-' << month << '-' << d << " n=" << n << " w=" << weekDay;
                }
            }
        }
    }
}

TEST(AlarmSchedule, ValuesTheEditorNeverStoresNeverMatch)
{
    const TDateTime day = Day(2024, 3, 4); // a Monday
    TAlarmRecord weekly = WeeklyAlarm(day, 1, "1......", AtTime(7, 30));
    ASSERT_TRUE(ScheduledOn(weekly, day));
    struct Row
    {
        const char* what;
        void (*spoil)(TAlarmRecord&);
    };
    const Row rows[] = {
        {"kind 4",
         [](TAlarmRecord& r) {
             r.Kind = 4;
         }},
        {"kind -1",
         [](TAlarmRecord& r) {
             r.Kind = -1;
         }},
        {"kind INT_MAX",
         [](TAlarmRecord& r) {
             r.Kind = INT_MAX;
         }},
        {"flag n",
         [](TAlarmRecord& r) {
             r.WeekDays[1] = 'n';
         }},
        {"flag Y",
         [](TAlarmRecord& r) {
             r.WeekDays[1] = 'Y';
         }},
        {"flag 1",
         [](TAlarmRecord& r) {
             r.WeekDays[1] = 1;
         }},
        {"zero weeks",
         [](TAlarmRecord& r) {
             r.EveryNweeks = 0;
         }},
        {"start NaN",
         [](TAlarmRecord& r) {
             r.WeeklyStart = kNaN;
         }},
        {"start -inf",
         [](TAlarmRecord& r) {
             r.WeeklyStart = -kInf;
         }},
        {"start -1e300",
         [](TAlarmRecord& r) {
             r.WeeklyStart = -1e300;
         }},
    };
    for (const Row& r : rows) {
        TAlarmRecord spoilt = weekly;
        r.spoil(spoilt);
        EXPECT_FALSE(ScheduledOn(spoilt, day)) << r.what;
        EXPECT_EQ(NextFrom(spoilt, At(2024, 3, 4, 6, 0)), 0) << r.what;
    }
    // A negative period counts by its magnitude.
    weekly.EveryNweeks = -2;
    EXPECT_TRUE(ScheduledOn(weekly, Day(2024, 3, 18)));
    EXPECT_FALSE(ScheduledOn(weekly, Day(2024, 3, 11)));
}

TEST(AlarmSchedule, DatesOutsideTheCalendarDoNotCrash)
{
    const TDateTime absurd[] = {kNaN, kInf, -kInf, 1e300, -1e300, 1e10, -1e10, double(INT_MAX), double(INT_MIN)};
    for (double v : absurd) {
        TAlarmRecord once = OnceAlarm(v, AtTime(7, 30));
        EXPECT_FALSE(ScheduledOn(once, Day(2024, 3, 1))) << v;
        EXPECT_EQ(NextFrom(once, At(2024, 3, 1, 6, 0)), 0) << v;

        // A damaged last-ring date is no day at all, so it does not hold the alarm back.
        TAlarmRecord daily = DailyAlarm(kLongAgo, 1, AtTime(7, 30));
        daily.LastRingDate = v;
        EXPECT_TRUE(RingsNow(daily, At(2024, 3, 1, 7, 30, 4))) << v;

        // A damaged ring time never rings at a moment, though the schedule itself still holds.
        TAlarmRecord timeless = DailyAlarm(kLongAgo, 1, v);
        EXPECT_FALSE(RingsNow(timeless, At(2024, 3, 1, 0, 0, 4))) << v;
        EXPECT_FALSE(Missed(timeless, At(2024, 3, 1, 23, 0))) << v;
        EXPECT_TRUE(ScheduledOn(timeless, Day(2024, 3, 1))) << v;

        // An absurd "now" or moment finds nothing.
        EXPECT_EQ(FindDueAlarm(AlarmList{daily}, true, 0, v), -1) << v;
        EXPECT_EQ(NextFrom(DailyAlarm(kLongAgo, 1, AtTime(7, 30)), v), 0) << v;
    }
    // The calendar's last day still works; the window beyond it holds nothing.
    EXPECT_EQ(NextFrom(DailyAlarm(kLongAgo, 1, AtTime(7, 30)), At(9999, 12, 31, 6, 0)), Day(9999, 12, 31));
    EXPECT_EQ(NextFrom(DailyAlarm(kLongAgo, 1, AtTime(7, 30)), At(9999, 12, 31, 8, 0)), 0);
}

TEST(AlarmSchedule, OnceOnTheLastDayOfALeapYearIsFoundFromEveryDayOfThatYear)
{
    const TAlarmRecord alarm = OnceAlarm(Day(2024, 12, 31), AtTime(7, 30));
    for (int day = int(Day(2024, 1, 1)); day <= int(Day(2024, 12, 31)); ++day)
        ASSERT_EQ(NextFrom(alarm, day + 0.25), Day(2024, 12, 31)) << DateOfDay(day).month << '-' << DateOfDay(day).day;
    EXPECT_EQ(NextFrom(alarm, At(2024, 12, 31, 7, 31)), 0);
    EXPECT_EQ(NextFrom(alarm, At(2025, 1, 1, 6, 0)), 0);
}

TEST(AlarmSchedule, OnceTodayWithItsTimePassedIsExpiredYetReportedAsMissed)
{
    const AlarmList list{OnceAlarm(Day(2024, 3, 1), AtTime(7, 30))};
    const ManualClock clock(At(2024, 3, 1, 9, 0));
    EXPECT_EQ(NextRingDate(list, 0, clock), 0);
    EXPECT_EQ(FindDueAlarm(list, true, -1, clock.now()), 0);
}

TEST(AlarmSchedule, SearchWindowEndsOn31DecemberOfTheStartingDaysNextYear)
{
    struct Row
    {
        TDateTime now;
        TDateTime onceDate;
        TDateTime next;
    };
    const Row rows[] = {
        // From 1 January of a leap year the window holds 731 days.
        {At(2024, 1, 1, 6, 0), Day(2024, 1, 1), Day(2024, 1, 1)},
        {At(2024, 1, 1, 6, 0), Day(2025, 12, 31), Day(2025, 12, 31)},
        {At(2024, 1, 1, 6, 0), Day(2026, 1, 1), 0},
        // The following year is counted whole when it is a leap year too.
        {At(2023, 1, 1, 6, 0), Day(2024, 12, 31), Day(2024, 12, 31)},
        {At(2023, 1, 1, 6, 0), Day(2025, 1, 1), 0},
        // From 31 December only 366.
        {At(2024, 12, 31, 6, 0), Day(2025, 12, 31), Day(2025, 12, 31)},
        {At(2024, 12, 31, 6, 0), Day(2026, 1, 1), 0},
        // Once the time has passed on 31 December the search starts in the new year and reaches further.
        {At(2024, 12, 31, 8, 0), Day(2024, 12, 31), 0},
        {At(2024, 12, 31, 8, 0), Day(2026, 12, 31), Day(2026, 12, 31)},
        {At(2024, 12, 31, 8, 0), Day(2027, 1, 1), 0},
        // Before the starting day there is nothing.
        {At(2024, 6, 1, 6, 0), Day(2024, 5, 31), 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(NextFrom(OnceAlarm(r.onceDate, AtTime(7, 30)), r.now), r.next)
            << std::fixed << r.now << " once " << r.onceDate;

    // Counted with a daily alarm: the 731st day of the window is found, the 732nd is not.
    EXPECT_EQ(NextFrom(DailyAlarm(Day(2023, 12, 31), 731, AtTime(7, 30)), At(2024, 1, 1, 6, 0)), Day(2025, 12, 31));
    EXPECT_EQ(NextFrom(DailyAlarm(Day(2023, 12, 31), 732, AtTime(7, 30)), At(2024, 1, 1, 6, 0)), 0);
    EXPECT_EQ(NextFrom(DailyAlarm(Day(2024, 12, 30), 366, AtTime(7, 30)), At(2024, 12, 31, 6, 0)), Day(2025, 12, 31));
    EXPECT_EQ(NextFrom(DailyAlarm(Day(2024, 12, 30), 367, AtTime(7, 30)), At(2024, 12, 31, 6, 0)), 0);
}

TEST(AlarmSchedule, StartingDayHeedsTheAlarmsSecondsAndTodaysRing)
{
    struct Row
    {
        TDateTime alarmTime;
        TDateTime lastRing;
        TDateTime now;
        TDateTime next;
    };
    const Row rows[] = {
        {AtTime(7, 30, 45), 0, At(2024, 3, 1, 7, 30, 20), Day(2024, 3, 1)},
        {AtTime(7, 30, 45), 0, At(2024, 3, 1, 7, 30, 45), Day(2024, 3, 1)},
        {AtTime(7, 30, 45), 0, At(2024, 3, 1, 7, 30, 46), Day(2024, 3, 2)},
        {AtTime(7, 30, 45), Day(2024, 3, 1), At(2024, 3, 1, 7, 0), Day(2024, 3, 2)},
        {AtTime(7, 30, 45), Day(2024, 2, 29), At(2024, 3, 1, 7, 0), Day(2024, 3, 1)},
    };
    for (const Row& r : rows) {
        TAlarmRecord alarm = DailyAlarm(kLongAgo, 1, r.alarmTime);
        alarm.LastRingDate = r.lastRing;
        EXPECT_EQ(NextFrom(alarm, r.now), r.next) << std::fixed << r.now;
    }
}

// The day walk steps its calendar forward instead of asking FindDueAlarm; on random alarms it
// must give exactly the first day FindDueAlarm(true, index, day) accepts.
TEST(AlarmSchedule, NextRingDateIsTheFirstDayTheDueTestAccepts)
{
    std::mt19937 rng(20240301);
    auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    const int first = int(Day(2019, 1, 1));
    const int last = int(Day(2031, 12, 31));
    int found = 0;
    for (int n = 0; n < 600; ++n) {
        const TDateTime now = pick(first, last) + pick(0, 86399) / 86400.0;
        TAlarmRecord a = MakeAlarm(TAlarmKind(pick(0, 4)), pick(0, 86399) / 86400.0);
        a.Enabled = std::uint8_t(pick(0, 6) != 0);
        a.LastRingDate = pick(0, 3) == 0 ? DayOf(now) : pick(first, last);
        a.OnceDate = pick(int(now) - 30, int(now) + 800);
        a.DailyStart = pick(int(now) - 900, int(now) + 400);
        a.EveryNdays = pick(-4, 400);
        a.WeeklyStart = pick(int(now) - 900, int(now) + 400);
        a.EveryNweeks = pick(-3, 60);
        a.MonthlyThe = std::uint8_t(pick(0, 2));
        a.MonthlyDay = pick(0, 32);
        a.MonthlyTheN = pick(0, 6);
        a.MonthlyTheDay = pick(0, 8);
        for (char& f : a.WeekDays)
            f = pick(0, 4) == 0 ? kFlagChosen : kFlagNotChosen;
        for (char& f : a.Months)
            f = pick(0, 5) == 0 ? kFlagChosen : kFlagNotChosen;
        const AlarmList list{MakeAlarm(akDaily, 0), a};

        int start = DayOf(now);
        if (DayOf(a.LastRingDate) == start || CompareTime(a.AlarmTime, now) < 0)
            ++start;
        const int end = DayNumber(DateOfDay(start).year + 1, 12, 31);
        TDateTime expected = 0;
        for (int d = start; d <= end && expected == 0; ++d)
            if (FindDueAlarm(list, true, 1, d) == 1)
                expected = d;
        found += expected != 0;
        ASSERT_EQ(NextRingDate(list, 1, ManualClock(now)), expected) << "alarm " << n << " kind " << a.Kind;
    }
    EXPECT_GT(found, 100); // the random alarms must not all be dead ones
}

TEST(AlarmSchedule, NextRingDateOfAnIndexOutsideTheListIsZero)
{
    const AlarmList list{DailyAlarm(kLongAgo, 1, AtTime(7, 30))};
    const ManualClock clock(At(2024, 3, 1, 6, 0));
    EXPECT_EQ(NextRingDate(list, 0, clock), Day(2024, 3, 1));
    EXPECT_EQ(NextRingDate(list, 1, clock), 0);
    EXPECT_EQ(NextRingDate(list, -1, clock), 0);
    EXPECT_EQ(NextRingDate(AlarmList{}, 0, clock), 0);
}
