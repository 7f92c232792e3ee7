#include "timer/TimerState.h"

#include "face/FaceGeometry.h"

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

QPoint ClockPositionAboveToolbar(QRect toolbar, QSize clock)
{
    const int left = toolbar.x() - NearestInt(clock.width() / 2.0 - toolbar.width() / 2.0);
    return QPoint(left, toolbar.y() - clock.height());
}

} // namespace horavine
