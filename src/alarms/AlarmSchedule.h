#pragma once

#include "alarms/AlarmRecord.h"
#include "common/Clock.h"
#include "common/DayCount.h"

namespace horavine {

// The index of the first alarm due at moment, or -1.
// missed = false: the tick's ring-now test (hour and minute of AlarmTime, second 4 or 5).
// missed = true: the alarm's time of day has already passed today.
// only >= 0 tests that alarm alone and skips the time test; any negative value tests them all.
int FindDueAlarm(const AlarmList& list, bool missed, int only, TDateTime moment);

// An alarm that fell due while no tick ran: the first (earliest, then in list order) whose ring
// seconds (4 and 5 of its minute) lie wholly after `after` and before `until`, on a day it would
// have rung. -1 when there is none; ringMoment (may be null) receives its second 4. Only the
// last 400 days of a longer gap are searched.
int FindAlarmDueInGap(const AlarmList& list, TDateTime after, TDateTime until, TDateTime* ringMoment = nullptr);

// The first day (a whole day count) on which alarm index would ring, searched from today (or
// tomorrow, when it has rung today or its time has passed) to 31 December of the following year;
// 0 when there is none or index is out of range.
TDateTime NextRingDate(const AlarmList& list, int index, const Clock& clock);

} // namespace horavine
