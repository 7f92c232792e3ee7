#include "alarms/CalendarDay.h"

namespace horavine {

CalendarDay CalendarDay::of(int day)
{
    const DateParts date = DateOfDay(day);
    CalendarDay c;
    c.day = day;
    c.year = date.year;
    c.month = date.month;
    c.dayOfMonth = date.day;
    c.daysInMonth = DaysInMonth(date.year, date.month);
    c.dayOfWeek = DayOfTheWeek(day);
    c.week = WeekOfTheYear(day);
    c.firstDayOfWeek = (c.dayOfWeek - c.dayOfMonth) % 7;
    if (c.firstDayOfWeek < 0)
        c.firstDayOfWeek += 7;
    c.firstDayOfWeek += 1;
    return c;
}

void CalendarDay::advance()
{
    ++day;
    dayOfWeek = dayOfWeek == 7 ? 1 : dayOfWeek + 1;
    if (++dayOfMonth > daysInMonth) {
        dayOfMonth = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
        daysInMonth = DaysInMonth(year, month);
        firstDayOfWeek = dayOfWeek;
    }
    // Week numbers change only on Mondays; the year-end rule is left to the full calculation.
    if (dayOfWeek == 1)
        week = WeekOfTheYear(day);
}

} // namespace horavine
