#include "alarms/AlarmPresentation.h"

namespace horavine {

AlarmPresentation::AlarmPresentation(AlarmSound& sound)
    : m_sound(sound)
{
}

bool AlarmPresentation::begin()
{
    if (m_soundPlaying || m_alarmShowing)
        return false;
    m_alarmShowing = true;
    return true;
}

bool AlarmPresentation::startSound(const QString& path, int staysOn)
{
    // Some players crash when asked to play with no output at all; such an alarm is simply silent.
    if (!m_alarmShowing || !m_sound.outputAvailable())
        return false;
    m_soundPlaying = true;
    m_tickCount = 0;
    m_timerEnabled = staysOn > 0;
    // 64 bits: an absurd StaysOn must not wrap round to a short or negative stay.
    m_soundSeconds = qint64(staysOn) * 60;
    m_notify = true;
    m_sound.play(path);
    return m_soundPlaying; // the player may have refused the file at once
}

bool AlarmPresentation::Timer1Timer()
{
    if (!m_soundPlaying)
        return false;
    const bool close = m_tickCount > m_soundSeconds;
    ++m_tickCount;
    return close;
}

bool AlarmPresentation::MediaPlayer1Notify(bool windowVisible)
{
    if (!m_notify)
        return false;
    m_notify = m_soundSeconds > 0 && windowVisible;
    if (!m_notify)
        return true;
    m_sound.replay();
    return false;
}

bool AlarmPresentation::soundFailed()
{
    if (!m_soundPlaying)
        return false;
    m_sound.stop();
    m_soundPlaying = false;
    m_notify = false;
    m_timerEnabled = false;
    return true;
}

void AlarmPresentation::FormClose()
{
    if (m_soundPlaying)
        m_sound.stop();
    m_notify = false;
    m_soundPlaying = false;
    m_alarmShowing = false;
    m_timerEnabled = false;
}

} // namespace horavine
