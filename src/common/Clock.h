#pragma once

#include "common/DayCount.h"

namespace horavine {

// The current local time as a day count. Everything that needs "now" is given a Clock,
// so tests and the command-line tool can put it at any moment.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual TDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    TDateTime now() const override;
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
