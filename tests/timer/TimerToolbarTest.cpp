#include "../app/ShellTestApp.h"
#include "timer/TfrmTimer.h"

#include <QToolButton>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

int ElapsedSeconds(const TfrmTimer& timer)
{
    return qRound(timer.Elapsed() * 86400.0);
}

class TimerToolbar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        timer = std::make_unique<TfrmTimer>();
        timer->show();
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            timer->Timer1Timer();
    }
    std::unique_ptr<TfrmTimer> timer;
};

TEST_F(TimerToolbar, HasTheCaptionAndThreeButtons)
{
    EXPECT_EQ(timer->windowTitle(), QStringLiteral("  Timer"));
    EXPECT_EQ(timer->tbRun->toolTip(), QStringLiteral("Start"));
    EXPECT_EQ(timer->tbPause->toolTip(), QStringLiteral("Pause"));
    EXPECT_EQ(timer->tbStop->toolTip(), QStringLiteral("Stop"));
    EXPECT_TRUE(timer->tbPause->isCheckable());
    EXPECT_EQ(timer->tbRun->iconSize(), QSize(24, 24));
}

TEST_F(TimerToolbar, StateTableThroughTheButtons)
{
    // Each row: what the user does, then the timer's state and the elapsed seconds.
    enum Action { Show, Start, Pause, Stop, Tick3 };
    const struct
    {
        Action action;
        bool running;
        bool pauseDown;
        int seconds;
    } rows[] = {
        {Show, false, false, 0}, {Start, true, false, 0}, {Tick3, true, false, 3},
        {Pause, true, true, 3}, // paused: ticks leave it
        {Tick3, true, true, 3},  {Start, true, false, 3}, // resume, Pause pops up
        {Tick3, true, false, 6}, {Start, true, false, 0}, // start while running: back to zero
        {Tick3, true, false, 3}, {Stop, false, false, 3}, // stopped: frozen
        {Pause, false, true, 3}, {Start, true, false, 3}, // stop, pause down, start: resumes
        {Tick3, true, false, 6}, {Stop, false, false, 6}, {Start, true, false, 0}, // stop then start: from zero
        {Tick3, true, false, 3}, {Show, false, false, 0}, // shown again: zero and off
    };
    int step = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(step++);
        switch (row.action) {
        case Show:
            timer->hide();
            timer->show();
            break;
        case Start:
            timer->tbRun->click();
            break;
        case Pause:
            timer->tbPause->click();
            break;
        case Stop:
            timer->tbStop->click();
            break;
        case Tick3:
            ticks(3);
            break;
        }
        EXPECT_EQ(timer->timerRunning(), row.running);
        EXPECT_EQ(timer->tbPause->isChecked(), row.pauseDown);
        EXPECT_EQ(ElapsedSeconds(*timer), row.seconds);
    }
}

TEST_F(TimerToolbar, ShowLeavesThePauseButtonAsItWas)
{
    timer->tbPause->click();
    timer->hide();
    timer->show();
    EXPECT_TRUE(timer->tbPause->isChecked());
    EXPECT_EQ(ElapsedSeconds(*timer), 0);
}

} // namespace
} // namespace horavine::test
