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

// The first day (a whole day count) on which alarm index would ring, searched from today (or
// tomorrow, when it has rung today or its time has passed) to 31 December of the following year;
// 0 when there is none or index is out of range.
TDateTime NextRingDate(const AlarmList& list, int index, const Clock& clock);

} // namespace horavine
