#include "common/Clock.h"

#include <QDateTime>

namespace horavine {

namespace {

qint64 FloorDiv(qint64 value, qint64 divisor)
{
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

constexpr qint64 kDayMSecs = 86400000;

} // namespace

TDateTime SystemClock::now() const
{
    return at(QDateTime::currentMSecsSinceEpoch());
}

TDateTime SystemClock::at(qint64 utcMSecs) const
{
    const qint64 minute = FloorDiv(utcMSecs, 60000);
    if (minute != m_offsetMinute) {
        m_offsetMSecs = qint64(QDateTime::fromSecsSinceEpoch(minute * 60).offsetFromUtc()) * 1000;
        m_offsetMinute = minute;
    }
    const qint64 local = utcMSecs + m_offsetMSecs;
    const qint64 day = FloorDiv(local, kDayMSecs);
    const DateParts date = DateOfDay(int(day) + DayNumber(1970, 1, 1));
    const int ms = int(local - day * kDayMSecs);
    return EncodeDateTime(date.year, date.month, date.day, ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
}

} // namespace horavine
