#pragma once

// Alarms the user put off for a few minutes: each is shown again when its minutes are up, and counts
// as rung only when it is finally closed. They are kept in a small file of their own beside the
// alarm file (Alarms.cfg keeps its format), so a snooze outlives a restart of the clock.
//
// Snoozes.cfg, little-endian: the 8 characters "HVSNOOZE", a uint32 version (1) and a uint32
// count, then count entries of 696 bytes: int32 index, 4 zero bytes, double snoozedAt, double
// ringsAt (day counts, local time), and the 672-byte alarm record as it was when snoozed.

#include "alarms/AlarmRecord.h"
#include "common/DayCount.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace horavine {

inline constexpr int kSnoozeChoices[] = {5, 10, 15};
inline constexpr int kDefaultSnoozeMinutes = 10;

// A stored length that is none of the choices gives the default.
int SnoozeMinutes(int stored);

struct Snooze
{
    TAlarmRecord alarm; // the alarm as it was snoozed: what tells it from the others
    int index = -1; // its place in the list then, the first place it is looked for
    TDateTime snoozedAt = 0;
    TDateTime ringsAt = 0;

    // Its minutes are up (to the millisecond, as times of day compare); or the wall clock was set
    // back to before the snooze, which would otherwise hold the alarm back as long.
    bool dueAt(TDateTime now) const { return now > ringsAt - 1.0 / 86400000.0 || now < snoozedAt; }
};

// The same alarm: every byte alike but Enabled and LastRingDate, which the save and a ring change
// without making it another alarm.
bool SameAlarm(const TAlarmRecord& a, const TAlarmRecord& b);

// Where the snoozed alarm stands in the list now: at its own index when it is still there, else
// the first record that is the same alarm (another alarm was deleted before it); -1 when it was
// deleted or changed in the editor.
int FindSnoozedAlarm(const Snooze& snooze, const AlarmList& alarms);

class Snoozes
{
public:
    const std::vector<Snooze>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }

    int minutes() const { return m_minutes; } // the length S and the Snooze button give
    void setMinutes(int minutes) { m_minutes = SnoozeMinutes(minutes); }

    // Alarm index, as it stands, snoozed at now for that many minutes; an earlier snooze of the
    // same alarm is replaced.
    void add(const AlarmList& alarms, int index, TDateTime now, int minutes);
    void remove(std::size_t entry);

    // Drops the snoozes whose alarm was deleted, changed, or switched off (in the record or where
    // switchedOff says so). True when one was dropped.
    bool prune(const AlarmList& alarms, const std::function<bool(int index)>& switchedOff = {});

    // The first snooze due at now, taken out of the list; the alarm's index in `index`.
    std::optional<Snooze> takeDue(const AlarmList& alarms, TDateTime now, int& index);

    // The list with every snoozed alarm switched off: the ring-now and missed-alarm searches leave
    // them to their snoozes.
    AlarmList withoutSnoozed(const AlarmList& alarms) const;
    bool isSnoozed(const AlarmList& alarms, int index) const;

    // Replaces the snoozes with those of the file that still belong to an alarm of the list that is
    // switched on, and are of today or later. A missing, damaged or stale file gives no message:
    // what is not kept is removed from it (the whole file when nothing is kept). No error escapes.
    void load(const QString& path, const AlarmList& alarms, TDateTime now);
    // Writes the snoozes, or removes the file when there are none. Throws IoError.
    void save(const QString& path) const;

private:
    std::vector<Snooze> m_entries;
    int m_minutes = kDefaultSnoozeMinutes;
};

// <the alarm file's folder>/Snoozes.cfg
QString SnoozeFilePath(const QString& alarmFile);

QByteArray SnoozeFileBytes(const std::vector<Snooze>& snoozes);
// The entries of a snooze file, or nothing when it is damaged: a wrong header or size, or times
// that no snooze has (not finite, or a length other than the choices).
std::optional<std::vector<Snooze>> ReadSnoozeFile(const QByteArray& bytes);

} // namespace horavine
