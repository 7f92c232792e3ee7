// The alarm editor asks NextRingDate for every row whenever it fills its list, so a full list
// of alarms that never ring (each search walks its whole two-year window) must stay quick.

#include "alarms/AlarmFiring.h"
#include "alarms/AlarmSchedule.h"
#include "common/Clock.h"

#include <benchmark/benchmark.h>

using namespace horavine;

namespace {

void setFlags(char* flags, int count, char value)
{
    for (int i = 0; i < count; ++i)
        flags[i] = value;
}

// Enabled alarms whose schedules fail only on the calendar, so no search can stop early.
TAlarmRecord neverRinging(int i)
{
    TAlarmRecord r = TAlarmRecord::zeroed();
    r.Enabled = 1;
    r.AlarmTime = EncodeDateTime(1899, 12, 30, 7, 30);
    r.EveryNdays = 1;
    r.EveryNweeks = 1;
    setFlags(r.WeekDays, 8, kFlagChosen);
    setFlags(r.Months, 13, kFlagChosen);
    const int today = DayNumber(2024, 1, 1);
    switch (i % 5) {
    case 0: // every 1000 days from yesterday
        r.Kind = akDaily;
        r.DailyStart = today - 1;
        r.EveryNdays = 1000;
        break;
    case 1: // the 30th, in February only
        r.Kind = akMonthly;
        r.MonthlyDay = 30;
        setFlags(r.Months, 13, kFlagNotChosen);
        r.Months[2] = kFlagChosen;
        break;
    case 2: // every 53 weeks from a week 53; 2024 and 2025 have no week 53
        r.Kind = akWeekly;
        r.WeeklyStart = DayNumber(2020, 12, 28);
        r.EveryNweeks = 53;
        break;
    case 3: // once, three years ahead
        r.Kind = akOnce;
        r.OnceDate = today + 1100 + i;
        break;
    default: // the last Sunday of months never chosen
        r.Kind = akMonthly;
        r.MonthlyThe = 1;
        r.MonthlyTheN = 5;
        r.MonthlyTheDay = 7;
        setFlags(r.Months, 13, kFlagNotChosen);
        break;
    }
    return r;
}

void BM_NextRingDateAll(benchmark::State& state)
{
    AlarmList list;
    for (int i = 0; i < state.range(0); ++i)
        list.push_back(neverRinging(i));
    // 1 January of a leap year at 06:00: the longest window, 731 days.
    const ManualClock clock(EncodeDateTime(2024, 1, 1, 6, 0));
    for (int i = 0; i < int(list.size()); ++i)
        if (NextRingDate(list, i, clock) != 0)
            state.SkipWithError("an alarm that should never ring has a next ring date");
    for (auto _ : state) {
        for (int i = 0; i < int(list.size()); ++i)
            benchmark::DoNotOptimize(NextRingDate(list, i, clock));
    }
}

class IdlePresenter : public AlarmPresenter
{
public:
    bool SoundPlaying() const override { return false; }
    bool AlarmShowing() const override { return false; }
    void ShowAlarm(const TAlarmRecord&) override { ++shown; }
    int shown = 0;
};

class SilentHost : public AlarmFiringHost
{
public:
    void showMessage(const QString&) override { }
};

// What every second of the clock costs with a full list: the hook at its ring seconds (4, then
// 5), with the alarms set for that minute but failing on the calendar, so the whole list is read.
void BM_TickHook(benchmark::State& state)
{
    AlarmList list;
    for (int i = 0; i < state.range(0); ++i)
        list.push_back(neverRinging(i));
    ManualClock clock(EncodeDateTime(2024, 1, 1, 7, 30, 4));
    IdlePresenter presenter;
    SilentHost host;
    AlarmFiring firing(list, presenter, clock, host);
    TDateTime now = clock.now();
    for (auto _ : state) {
        firing.TickHook(now);
        now += (now < clock.now() + 0.5 / 86400 ? 1.0 : -1.0) / 86400;
    }
    if (presenter.shown != 0)
        state.SkipWithError("an alarm that should never ring rang");
}

} // namespace

BENCHMARK(BM_TickHook)->Arg(100)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_NextRingDateAll)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
