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
    reportGap(now);
    RingAlarm(FindDueAlarm(m_alarms, false, -1, now));
}

void AlarmFiring::reportGap(TDateTime now)
{
    const std::optional<TDateTime> last = m_lastTick;
    // Remembered before the notice opens: the ticks that run inside its box must not report again.
    m_lastTick = now;
    if (!last || now - *last <= kOneMinute)
        return;
    // Nothing rings late: the alarm is only reported, as at start-up, and no record changes.
    const int index = FindAlarmDueInGap(m_alarms, *last, now);
    if (index >= 0)
        m_host.showMessage(missedAlarmText(index));
}

void AlarmFiring::RingAlarm(int index)
{
    if (!inList(m_alarms, index) || m_presenter.AlarmShowing())
        return;
    m_presenter.ShowAlarm(m_alarms[static_cast<std::size_t>(index)]);
    // The list may have changed while the presentation was on (the editor, nested ticks).
    if (!inList(m_alarms, index)) {
        m_host.showMessage(
            QCoreApplication::translate("AlarmFiring", "Internal error 1001 - %1/%2").arg(index).arg(m_alarms.size()));
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
    m_host.initEditor();

    const int missed = FindDueAlarm(m_alarms, true, -1, m_clock.now());
    if (missed >= 0)
        m_host.showMessage(missedAlarmText(missed));

    // Every alarm as loaded is examined once: an index that skips the deleted ones would pass
    // over the neighbour that moved into a deleted alarm's place.
    std::vector<TAlarmRecord> kept;
    kept.reserve(m_alarms.size());
    for (std::size_t i = 0; i < m_alarms.size(); ++i) {
        const TAlarmRecord& alarm = m_alarms[i];
        const bool expired = alarm.DeleteAfterExpiration != 0 && alarm.Kind == akOnce
            && NextRingDate(m_alarms, static_cast<int>(i), m_clock) == 0;
        if (!expired)
            kept.push_back(alarm);
    }
    m_alarms = std::move(kept);
    m_host.alarmsLoaded();
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
