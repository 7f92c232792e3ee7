#include "alarms/AlarmFiring.h"

#include "alarms/AlarmFile.h"
#include "alarms/AlarmSchedule.h"
#include "common/DateFormat.h"
#include "common/IoError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace horavine {

namespace {

constexpr double kOneMinute = 1.0 / 1440.0;

bool inList(const AlarmList& alarms, int index)
{
    return index >= 0 && index < static_cast<int>(alarms.size());
}

} // namespace

AlarmFiring::AlarmFiring(AlarmList& alarms, AlarmPresenter& presenter, const Clock& clock, AlarmFiringHost& host,
                         FormatSettings settings)
    : m_alarms(alarms)
    , m_presenter(presenter)
    , m_clock(clock)
    , m_host(host)
    , m_settings(std::move(settings))
{
}

void AlarmFiring::TickHook(TDateTime now)
{
    if (m_presenter.SoundPlaying())
        return;
    checkSnoozes();
    reportGap(now);
    if (!ringDueSnooze(now))
        RingAlarm(findDue(false, now));
}

int AlarmFiring::findDue(bool missed, TDateTime now) const
{
    if (m_snoozes.empty())
        return FindDueAlarm(m_alarms, missed, -1, now);
    return FindDueAlarm(m_snoozes.withoutSnoozed(m_alarms), missed, -1, now);
}

bool AlarmFiring::ringDueSnooze(TDateTime now)
{
    // Another alarm on screen: the snooze waits for it rather than being lost.
    if (m_snoozes.empty() || m_presenter.AlarmShowing())
        return false;
    int index = -1;
    if (!m_snoozes.takeDue(m_alarms, now, index))
        return false;
    // Out of the list while it rings, but still in the file until the presentation ends: a clock
    // ended meanwhile rings it again at its next start.
    m_host.snoozesChanged();
    ring(index, true);
    return true;
}

void AlarmFiring::checkSnoozes()
{
    if (!m_snoozes.empty()
        && m_snoozes.prune(m_alarms, [this](int index) { return m_host.switchedOffInEditor(index); }))
        snoozesChanged();
}

void AlarmFiring::cancelSnooze(std::size_t entry)
{
    if (entry >= m_snoozes.entries().size())
        return;
    m_snoozes.remove(entry);
    snoozesChanged();
}

void AlarmFiring::snoozesChanged()
{
    if (!m_snoozeFile.isEmpty()) {
        try {
            m_snoozes.save(m_snoozeFile);
        } catch (const IoError& error) {
            m_host.snoozeFileFailed(error.message());
        }
    }
    m_host.snoozesChanged();
}

void AlarmFiring::reportGap(TDateTime now)
{
    const std::optional<TDateTime> last = m_lastTick;
    // Remembered before the notice opens: the ticks that run inside its box must not report again.
    m_lastTick = now;
    if (!last || now - *last <= kOneMinute)
        return;
    // Nothing rings late: the alarm is only reported, as at start-up, and no record changes.
    const int index = m_snoozes.empty() ? FindAlarmDueInGap(m_alarms, *last, now)
                                        : FindAlarmDueInGap(m_snoozes.withoutSnoozed(m_alarms), *last, now);
    if (index >= 0)
        m_host.showMessage(missedAlarmText(index));
}

void AlarmFiring::RingAlarm(int index)
{
    ring(index, false);
}

void AlarmFiring::ring(int index, bool snoozed)
{
    if (!inList(m_alarms, index) || m_presenter.AlarmShowing())
        return;
    const TAlarmRecord presented = m_alarms[static_cast<std::size_t>(index)];
    std::optional<int> snoozedFor;
    try {
        // A document is handed over and done with: there is nothing to put off.
        if (presented.ShowAudioImage != 0)
            snoozedFor = m_presenter.ShowAlarmOfferingSnooze(presented, m_snoozes.minutes());
        else
            m_presenter.ShowAlarm(presented);
    } catch (...) {
        if (snoozed)
            snoozesChanged(); // reported once, not again at every start
        throw;
    }
    if (snoozed && !snoozedFor)
        snoozesChanged(); // rung at last: out of the file too
    // The list may have changed while the presentation was on (the editor, nested ticks).
    if (!inList(m_alarms, index)) {
        m_host.showMessage(
            QCoreApplication::translate("AlarmFiring", "Internal error 1001 - %1/%2").arg(index).arg(m_alarms.size()));
        return;
    }
    if (snoozedFor) {
        m_snoozes.setMinutes(*snoozedFor);
        m_host.snoozeLengthChosen(m_snoozes.minutes());
        m_snoozes.add(m_alarms, index, m_clock.now(), *snoozedFor);
        snoozesChanged();
        return;
    }
    TAlarmRecord& alarm = m_alarms[static_cast<std::size_t>(index)];
    alarm.LastRingDate = DayOf(m_clock.now());
    if (alarm.DeleteAfterPlaying != 0 && alarm.Kind == akOnce) {
        DeleteAlarm(m_alarms, index);
        m_host.alarmDeleted(index);
    } else {
        m_host.alarmRang(index);
    }
}

QString AlarmFiring::missedAlarmText(int index) const
{
    const TAlarmRecord& alarm = m_alarms.at(static_cast<std::size_t>(index));
    //: The missed-alarm notice; %1 is the alarm's name, %2 its time.
    return QCoreApplication::translate("AlarmFiring", "Alarm \"%1\" should've rung earlier(at %2) today.")
        .arg(alarm.Name.text(), FormatDateTime(QStringLiteral("h: nn am/pm"), alarm.AlarmTime, m_settings));
}

void AlarmFiring::StartupStep(const QString& alarmFile)
{
    // An unreadable file still leaves a start-up with the alarms read so far; its error is
    // reported once the rest of the step has run.
    std::optional<IoError> readError;
    try {
        if (!LoadAlarms(m_alarms, alarmFile))
            keepDamagedFile(alarmFile);
    } catch (const IoError& error) {
        readError = error;
        if (!m_alarms.empty())
            keepDamagedFile(alarmFile);
    }
    // An alarm file that could not be read at all would make every snooze look stale.
    m_snoozeFile = SnoozeFilePath(alarmFile);
    if (!readError)
        m_snoozes.load(m_snoozeFile, m_alarms, m_clock.now());
    m_host.initEditor();

    const int missed = findDue(true, m_clock.now());
    if (missed >= 0)
        m_host.showMessage(missedAlarmText(missed));

    // Every alarm as loaded is examined once: an index that skips the deleted ones would pass
    // over the neighbour that moved into a deleted alarm's place.
    std::vector<TAlarmRecord> kept;
    kept.reserve(m_alarms.size());
    for (std::size_t i = 0; i < m_alarms.size(); ++i) {
        const TAlarmRecord& alarm = m_alarms[i];
        const bool expired = alarm.DeleteAfterExpiration != 0 && alarm.Kind == akOnce
            && NextRingDate(m_alarms, static_cast<int>(i), m_clock) == 0
            && !m_snoozes.isSnoozed(m_alarms, static_cast<int>(i));
        if (!expired)
            kept.push_back(alarm);
    }
    m_alarms = std::move(kept);
    m_snoozes.prune(m_alarms);
    m_host.alarmsLoaded();
    m_host.snoozesChanged();
    if (readError)
        throw *readError;
}

void AlarmFiring::keepDamagedFile(const QString& alarmFile)
{
    // The save at exit writes back only what could be read; the original is kept first, under a
    // name no earlier copy has.
    QString copy = alarmFile + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = alarmFile + QStringLiteral(".damaged.%1").arg(n);
    if (!QFile::copy(alarmFile, copy)) {
        m_host.showMessage(QCoreApplication::translate("AlarmFiring",
                                                       "The alarm file \"%1\" could not be read completely, and no "
                                                       "copy of it could be kept. Alarms that could not be read will "
                                                       "be lost when the alarms are saved.")
                               .arg(alarmFile));
        return;
    }
    m_keptDamagedFile = copy;
    //: %1 is the alarm file, %2 the copy of it that was kept.
    m_host.showMessage(
        QCoreApplication::translate("AlarmFiring",
                                    "The alarm file \"%1\" could not be read completely; the alarms "
                                    "that could be read are shown. The original file was kept as \"%2\".")
            .arg(alarmFile, copy));
}

} // namespace horavine
