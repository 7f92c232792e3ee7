#pragma once

// The timer toolbar without its widgets: the elapsed time, whether Timer1 runs and whether
// Pause is down, and where the toolbar and the clock stand while it is up.

#include "common/DayCount.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace horavine {

class TimerState
{
public:
    TDateTime Elapsed() const { return m_elapsed; } // what the face shows while the toolbar is up
    bool running() const { return m_running; } // Timer1 enabled
    bool paused() const { return m_paused; } // tbPause down

    // Every show of the toolbar: back to zero with Timer1 off; Pause stays as it was left.
    void show();
    // tbRunClick: from zero unless Pause is down (then it resumes); Timer1 on, Pause up.
    // The window restarts its timer only when it was not running, so a running one keeps its rhythm.
    void start();
    // tbStopClick: Timer1 off and Pause up; the elapsed time stays on the face.
    void stop();
    void setPaused(bool down);
    // Timer1Timer: one second more unless Pause is down. Ignored while Timer1 is off.
    void tick();

private:
    TDateTime m_elapsed = 0;
    bool m_running = false;
    bool m_paused = false;
};

// Where the clock goes at each tick while the toolbar is up: directly above it, centred on it.
QPoint ClockPositionAboveToolbar(QRect toolbar, QSize clock);

} // namespace horavine
