#include "common/DayCount.h"

#include <gtest/gtest.h>

using namespace horavine;

TEST(DayCount, DayNumbersFollowTheGregorianCalendarFromDayZero)
{
    struct Row
    {
        int y, m, d, day, isoWeekday, isoWeek;
    };
    // Day counts of known dates; ISO weeks at the year boundaries where the week belongs to the other year.
    const Row rows[] = {
        {1899, 12, 30, 0, 6, 52},   {1900, 1, 1, 2, 1, 1},     {1900, 3, 1, 61, 4, 9},
        {1970, 1, 1, 25569, 4, 1},  {2000, 2, 29, 36585, 2, 9}, {2004, 12, 31, 38352, 5, 53},
        {2005, 1, 1, 38353, 6, 53}, {2008, 12, 29, 39811, 1, 1}, {2020, 12, 21, 44186, 1, 52},
        {2020, 12, 28, 44193, 1, 53}, {2021, 1, 4, 44200, 1, 1}, {2026, 12, 9, 46365, 3, 50},
        {1800, 1, 1, -36522, 3, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.y << '-' << r.m << '-' << r.d);
        EXPECT_EQ(DayNumber(r.y, r.m, r.d), r.day);
        EXPECT_EQ(DateOfDay(r.day), (DateParts{r.y, r.m, r.d}));
        EXPECT_EQ(DayOfTheWeek(r.day), r.isoWeekday);
        EXPECT_EQ(WeekOfTheYear(r.day), r.isoWeek);
    }
}

TEST(DayCount, DecodingRoundsToTheNearestMillisecondFirst)
{
    struct Row
    {
        const char* what;
        double moment;
        DateParts date;
        TimeParts time;
    };
    const double day = DayNumber(2024, 3, 5);
    const Row rows[] = {
        {"07:30:05.9999999", day + (7 * 3600 + 30 * 60 + 5.9999999) / 86400.0, {2024, 3, 5}, {7, 30, 6, 0}},
        {"12:01 as a float", day + 12.0 / 24 + 1.0 / 1440, {2024, 3, 5}, {12, 1, 0, 0}},
        {"23:59:59.9999 is next midnight", day + (86399.9999 / 86400.0), {2024, 3, 6}, {0, 0, 0, 0}},
        {"milliseconds kept", day + 0.5 + 123.0 / kMSecsPerDay, {2024, 3, 5}, {12, 0, 0, 123}},
        {"before day zero the time counts forward", -1.25, {1899, 12, 29}, {6, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        DateParts d;
        TimeParts t;
        DecodeDateTime(r.moment, d, t);
        EXPECT_EQ(d, r.date);
        EXPECT_EQ(t, r.time);
    }
}

TEST(DayCount, EncodeAndDecodeAgreeOverFourCenturies)
{
    for (int day = DayNumber(1800, 1, 1); day < DayNumber(2200, 1, 1); day += 13) {
        const DateParts d = DateOfDay(day);
        const double moment = EncodeDateTime(d.year, d.month, d.day, 17, 42, 9, 250);
        ASSERT_EQ(DecodeDate(moment), d);
        ASSERT_EQ(DecodeTime(moment), (TimeParts{17, 42, 9, 250}));
    }
}

TEST(DayCount, TimeComparisonsUseOneMillisecond)
{
    const double base = DayNumber(2024, 1, 1) + 0.5;
    EXPECT_EQ(CompareTime(base, base + 0.9 * kOneMillisecond + 7), 0); // other day, same time
    EXPECT_EQ(CompareTime(base, base + 1.1 * kOneMillisecond), -1);
    EXPECT_EQ(CompareTime(base + 1.1 * kOneMillisecond, base), 1);
    EXPECT_TRUE(IsSameDay(base, DayNumber(2024, 1, 1)));
    EXPECT_FALSE(IsSameDay(base, base + 0.5));
}

TEST(DayCount, AbsurdMomentsDecodeWithoutOverflow)
{
    for (const double v : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()}) {
        const DateParts d = DecodeDate(v);
        EXPECT_TRUE(IsValidDate(d.year, d.month, d.day));
    }
}
