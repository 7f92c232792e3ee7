#pragma once

#include "common/DayCount.h"

#include <QtGlobal>
#include <limits>

namespace horavine {

// The current local time as a day count. Everything that needs "now" is given a Clock,
// so tests and the command-line tool can put it at any moment.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual TDateTime now() const = 0;
};

// Local time from the system. Reading the local time asks the C library for the time zone, which
// looks at the zone file on disk every time; a clock reads the time several times a second, so
// the zone's offset is looked up once per minute of UTC and reused within it. Zones change their
// offset at whole minutes (daylight saving starts and ends exactly on time); a zone the user
// chooses anew shows within the minute.
class SystemClock : public Clock
{
public:
    TDateTime now() const override;
    // The local time at a moment (milliseconds since 1970 UTC), as now() reads it.
    TDateTime at(qint64 utcMSecs) const;

private:
    mutable qint64 m_offsetMinute = std::numeric_limits<qint64>::min();
    mutable qint64 m_offsetMSecs = 0;
};

// A clock that stands still until it is set or advanced.
class ManualClock : public Clock
{
public:
    explicit ManualClock(TDateTime moment = 0)
        : m_now(moment)
    {
    }

    TDateTime now() const override { return m_now; }
    void set(TDateTime moment) { m_now = moment; }
    void advanceMSecs(double msecs) { m_now += msecs / kMSecsPerDay; }
    void advanceSeconds(double seconds) { advanceMSecs(seconds * 1000.0); }
    void advanceDays(double days) { m_now += days; }

private:
    TDateTime m_now;
};

} // namespace horavine
