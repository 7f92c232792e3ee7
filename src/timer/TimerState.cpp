#include "timer/TimerState.h"

#include "face/FaceGeometry.h"

#include <algorithm>

namespace horavine {

void TimerState::show()
{
    m_elapsed = 0;
    m_running = false;
}

void TimerState::start()
{
    if (!m_paused)
        m_elapsed = 0;
    m_running = true;
    m_paused = false;
}

void TimerState::stop()
{
    m_running = false;
    m_paused = false;
}

void TimerState::setPaused(bool down)
{
    m_paused = down;
}

void TimerState::tick()
{
    if (!m_running || m_paused)
        return;
    m_elapsed = (m_elapsed * 86400.0 + 1.0) / 86400.0;
}

QPoint ToolbarPositionForClock(QRect clock, QSize toolbar, QSize screen)
{
    // Kept 70 pixels inside the screen so the toolbar can always be grabbed.
    const int top = std::min(clock.y() + clock.height(), screen.height() - 70);
    const int centred = NearestInt(clock.x() + clock.width() / 2.0 - toolbar.width() / 2.0);
    return QPoint(std::min(screen.width() - 70, centred), top);
}

QPoint ClockPositionAboveToolbar(QRect toolbar, QSize clock)
{
    const int left = toolbar.x() - NearestInt(clock.width() / 2.0 - toolbar.width() / 2.0);
    return QPoint(left, toolbar.y() - clock.height());
}

} // namespace horavine
