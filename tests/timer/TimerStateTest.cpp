#include "timer/TimerState.h"

#include "common/DayCount.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace horavine;

namespace {

// The elapsed time as the face decodes it, in whole seconds.
int seconds(const TimerState& timer)
{
    const TimeParts t = DecodeTime(timer.Elapsed());
    return DayOf(timer.Elapsed()) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

void ticks(TimerState& timer, int n)
{
    for (int i = 0; i < n; ++i)
        timer.tick();
}

struct Step
{
    const char* action;
    std::function<void(TimerState&)> apply;
    int seconds; // the value on the face afterwards
    bool running; // Timer1 enabled
    bool paused; // tbPause down
};

const auto kShow = [](TimerState& t) {
    t.show();
};
const auto kStart = [](TimerState& t) {
    t.start();
};
const auto kStop = [](TimerState& t) {
    t.stop();
};
const auto kPauseDown = [](TimerState& t) {
    t.setPaused(true);
};
const auto kPauseUp = [](TimerState& t) {
    t.setPaused(false);
};
const auto kThreeTicks = [](TimerState& t) {
    ticks(t, 3);
};

void play(const std::vector<Step>& steps)
{
    TimerState timer;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.action);
        step.apply(timer);
        EXPECT_EQ(seconds(timer), step.seconds);
        EXPECT_EQ(timer.running(), step.running);
        EXPECT_EQ(timer.paused(), step.paused);
    }
}

TEST(TimerState, PauseFreezesAndStartResumes)
{
    play({
        {"T shows the toolbar", kShow, 0, false, false},
        {"Start", kStart, 0, true, false},
        {"three ticks", kThreeTicks, 3, true, false},
        {"Pause down", kPauseDown, 3, true, true},
        {"ticks while paused", kThreeTicks, 3, true, true},
        {"Start again resumes and pops Pause up", kStart, 3, true, false},
        {"two more ticks", [](TimerState& t) { ticks(t, 2); }, 5, true, false},
        {"Pause up by hand", kPauseUp, 5, true, false},
    });
}

TEST(TimerState, StartWhileRunningBeginsAgainFromZero)
{
    play({
        {"show", kShow, 0, false, false},
        {"Start", kStart, 0, true, false},
        {"three ticks", kThreeTicks, 3, true, false},
        {"Start while running", kStart, 0, true, false},
        {"one tick", [](TimerState& t) { t.tick(); }, 1, true, false},
    });
}

TEST(TimerState, StopKeepsTheValueAndStartBeginsAgain)
{
    play({
        {"show", kShow, 0, false, false},
        {"Start", kStart, 0, true, false},
        {"three ticks", kThreeTicks, 3, true, false},
        {"Stop", kStop, 3, false, false},
        {"ticks after Stop do nothing", kThreeTicks, 3, false, false},
        {"Start", kStart, 0, true, false},
    });
}

TEST(TimerState, StopThenPauseDownThenStartResumes)
{
    play({
        {"show", kShow, 0, false, false},
        {"Start", kStart, 0, true, false},
        {"three ticks", kThreeTicks, 3, true, false},
        {"Stop", kStop, 3, false, false},
        {"Pause down", kPauseDown, 3, false, true},
        {"Start resumes", kStart, 3, true, false},
        {"one tick", [](TimerState& t) { t.tick(); }, 4, true, false},
    });
}

TEST(TimerState, ShowingAgainStartsFromZeroAndLeavesPauseAsItWas)
{
    play({
        {"show", kShow, 0, false, false},
        {"Start", kStart, 0, true, false},
        {"three ticks", kThreeTicks, 3, true, false},
        {"Pause down", kPauseDown, 3, true, true},
        {"closed and shown again", kShow, 0, false, true},
        // Pause was left down, so this Start resumes from the zero the show set.
        {"Start", kStart, 0, true, false},
        {"three ticks", kThreeTicks, 3, true, false},
        {"closed while running, shown again", kShow, 0, false, false},
    });
}

TEST(TimerState, ADayOfTicksCountsWholeSeconds)
{
    TimerState timer;
    timer.show();
    timer.start();
    ticks(timer, 86400 + 3661);
    EXPECT_EQ(DayOf(timer.Elapsed()), 1); // after 24 hours the day part grows
    EXPECT_EQ(DecodeTime(timer.Elapsed()), (TimeParts{1, 1, 1, 0}));
}

TEST(TimerPlacement, ClockStandsDirectlyAboveTheToolbar)
{
    const struct
    {
        QRect toolbar;
        QSize clock;
        QPoint placed;
    } cases[] = {
        // left = 228 - nearest(200 - 71.5) = 228 - 128 (128.5 to even) = 100; top = 450 - 400
        {{228, 450, 143, 34}, {400, 400}, {100, 50}},
        {{228, 450, 144, 34}, {400, 400}, {100, 50}}, // 200 - 72 = 128
        {{1296, 698, 143, 34}, {400, 400}, {1168, 298}},
        {{0, 100, 143, 34}, {401, 401}, {-129, -301}}, // 200.5 - 71.5 = 129
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.toolbar.x() << "," << c.toolbar.y());
        EXPECT_EQ(ClockPositionAboveToolbar(c.toolbar, c.clock), c.placed);
    }
}

} // namespace
