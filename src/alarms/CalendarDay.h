#pragma once

#include "common/DayCount.h"

namespace horavine {

// What the alarm schedules need to know about one day. The next-ring search steps through up to
// two years for every row of the editor, so it moves one day forward with a few additions instead
// of decoding each date from scratch.
struct CalendarDay
{
    int day = 0; // day count of its midnight
    int year = 1899;
    int month = 12;
    int dayOfMonth = 30;
    int daysInMonth = 31;
    int dayOfWeek = 6; // ISO, 1 Monday .. 7 Sunday
    int week = 52; // ISO week number, without its year
    int firstDayOfWeek = 5; // ISO day of the week of the month's first day

    static CalendarDay of(int day);
    void advance();
};

} // namespace horavine
