#pragma once

// Alarms that ring: the hook the clock tick calls, RingAlarm, and the start-up step that
// loads the alarms, reports a missed one and removes expired one-time alarms.

#include "alarms/AlarmPresenter.h"
#include "alarms/AlarmRecord.h"
#include "alarms/Snoozes.h"
#include "common/Clock.h"
#include "common/DayCount.h"
#include "common/FormatSettings.h"

#include <QString>
#include <optional>

namespace horavine {

// What firing asks of the windows around it.
class AlarmFiringHost
{
public:
    virtual ~AlarmFiringHost() = default;
    virtual void showMessage(const QString& text) = 0; // a plain message box
    virtual void initEditor() { } // the alarm editor's InitEditor
    virtual void alarmsLoaded() { } // the editor rebuilds its rows
    virtual void alarmDeleted(int /*index*/) { } // the editor drops that row (and an edit of it)
    virtual void alarmRang(int /*index*/) { } // its next ring date moved on
    // The editor's check box of the alarm is cleared, though the record says on until the save.
    virtual bool switchedOffInEditor(int /*index*/) const { return false; }
    virtual void snoozesChanged() { } // an alarm was snoozed, rang again, or its snooze cancelled
    virtual void snoozeLengthChosen(int /*minutes*/) { } // to be remembered for the next start
    virtual void snoozeFileFailed(const QString& /*message*/) { } // snoozes will not outlive a restart
};

class AlarmFiring
{
public:
    AlarmFiring(AlarmList& alarms, AlarmPresenter& presenter, const Clock& clock, AlarmFiringHost& host,
                FormatSettings settings = FormatSettings::fromLocale(QLocale::system()));

    // The tick's hook, given the wall-clock time: nothing while a sound plays; otherwise first a
    // report of an alarm that fell due while the clock did not tick (the machine slept or the
    // clock was set forward), then a snoozed alarm whose minutes are up (at once after a sleep,
    // once), else the alarm due now, if any, is presented. Snoozed alarms ring only through
    // their snoozes.
    void TickHook(TDateTime now);

    // Presents alarm index and, when the presentation has ended, marks it rung today and deletes
    // a one-time alarm that asks for it; a picture or text alarm that the user snoozed is only
    // put off. Errors of the presentation (IoError) propagate and leave the alarm unmarked.
    void RingAlarm(int index);

    const Snoozes& snoozes() const { return m_snoozes; }
    void setSnoozeMinutes(int minutes) { m_snoozes.setMinutes(minutes); }
    void cancelSnooze(std::size_t entry);
    // Drops the snoozes of alarms deleted, changed or switched off in the editor meanwhile.
    void checkSnoozes();

    // Once, when the options window is created: LoadAlarms, the snoozes kept beside the alarm
    // file, InitEditor, the missed-alarm notice, the expiry clean-up and the editor's rows. A
    // snoozed alarm is neither reported as missed nor removed as expired: it has not finished. Throws IoError when the
    // file cannot be read (the records read until then stay). When the file did not load completely, a copy of it is
    // kept beside it first (see keptDamagedFile) and the user is told which.
    void StartupStep(const QString& alarmFile);

    // Where the damaged alarm file was kept, if it was.
    const std::optional<QString>& keptDamagedFile() const { return m_keptDamagedFile; }

    // The notice for alarm index: Alarm "Name" should've rung earlier(at 7: 05 pm) today.
    QString missedAlarmText(int index) const;

private:
    void ring(int index, bool snoozed);
    bool ringDueSnooze(TDateTime now);
    int findDue(bool missed, TDateTime now) const;
    void snoozesChanged();
    void reportGap(TDateTime now);
    void keepDamagedFile(const QString& alarmFile);

    AlarmList& m_alarms;
    AlarmPresenter& m_presenter;
    const Clock& m_clock;
    AlarmFiringHost& m_host;
    FormatSettings m_settings;
    std::optional<TDateTime> m_lastTick;
    std::optional<QString> m_keptDamagedFile;
    Snoozes m_snoozes;
    QString m_snoozeFile; // known once the alarm file is
};

} // namespace horavine
