#pragma once

// The rules of one alarm presentation without its window: the two guards the firing code reads,
// the sound and how long it keeps the window up. The window asks it what to do at each event and
// does the showing and closing itself.

#include "alarms/AlarmSound.h"

#include <QString>
#include <QtGlobal>

namespace horavine {

class AlarmPresentation
{
public:
    explicit AlarmPresentation(AlarmSound& sound);

    bool SoundPlaying() const { return m_soundPlaying; } // a sound of the presentation is playing
    bool AlarmShowing() const { return m_alarmShowing; } // a presentation is under way
    qint64 SoundSeconds() const { return m_soundSeconds; } // StaysOn × 60 of the alarm with sound
    qint64 tickCount() const { return m_tickCount; } // seconds counted since the sound started
    bool timerEnabled() const { return m_timerEnabled; } // Timer1 is to tick once a second

    // The start of ShowAlarm: false, changing nothing, while a presentation is under way or a sound
    // plays; otherwise the presentation begins (AlarmShowing).
    bool begin();

    // Plays the alarm's sound, which keeps the window up staysOn minutes (0: as long as the sound).
    // Without any sound output nothing plays and the alarm is one without sound: false.
    bool startSound(const QString& path, int staysOn);

    // Timer1Timer, once a second while the timer is enabled: true when the window is to close now.
    bool Timer1Timer();

    // MediaPlayer1Notify, the player's report that a play has ended: plays again while the alarm is
    // to stay on and its window is visible (false), else true: the window is to close. A report
    // that comes after closing, or after the sound failed, changes nothing (false).
    bool MediaPlayer1Notify(bool windowVisible);

    // The sound cannot be played: from here on the alarm is one without sound, on screen until it is
    // clicked. True when it was this presentation's playing sound, so the failure is reported once.
    bool soundFailed();

    // FormClose, on every way the window goes: stops a playing sound and clears everything.
    void FormClose();

private:
    AlarmSound& m_sound;
    bool m_soundPlaying = false;
    bool m_alarmShowing = false;
    bool m_notify = false; // end-of-play reports are wanted
    bool m_timerEnabled = false;
    qint64 m_soundSeconds = 0;
    qint64 m_tickCount = 0;
};

} // namespace horavine
