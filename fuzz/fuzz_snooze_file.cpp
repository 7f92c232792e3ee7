// The snooze file as the clock meets it at start-up: read against the alarm list, what is kept
// saved and read again.

#include "FuzzSupport.h"
#include "alarms/Snoozes.h"
#include "common/IoError.h"

#include <QFile>
#include <cmath>

using namespace horavine;

namespace {

constexpr qsizetype kHeader = 16; // "HVSNOOZE", version, count
constexpr qsizetype kEntry = 696;
constexpr qsizetype kRecordOffset = 24; // index, padding, snoozedAt, ringsAt

// The alarms the file's own records describe, switched on: so that the reader has entries to keep.
AlarmList AlarmsOf(const QByteArray& bytes)
{
    AlarmList alarms;
    for (qsizetype at = kHeader + kRecordOffset; at + TAlarmRecord::kSize <= bytes.size() && alarms.size() < 8;
         at += kEntry) {
        TAlarmRecord alarm = TAlarmRecord::fromBytes(bytes.constData() + at);
        alarm.Enabled = 1;
        alarms.push_back(alarm);
    }
    return alarms;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::WriteInput(data, size, QStringLiteral("Snoozes.cfg"));
    const AlarmList alarms = AlarmsOf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const TDateTime now = EncodeDateTime(2026, 12, 10, 9, 0, 0);
    Snoozes snoozes;
    snoozes.load(path, alarms, now);

    for (const Snooze& snooze : snoozes.entries()) {
        if (FindSnoozedAlarm(snooze, alarms) < 0)
            fuzz::Fail("a snooze was kept for an alarm the list does not hold");
        if (!std::isfinite(snooze.ringsAt) || !std::isfinite(snooze.snoozedAt))
            fuzz::Fail("a snooze was kept with a time that is no number");
    }
    if (snoozes.empty() && QFile::exists(path))
        fuzz::Fail("a snooze file with nothing to keep was left behind");

    // What was kept comes back as it was saved.
    const QString copy = fuzz::ScratchFolder() + QStringLiteral("/Saved.cfg");
    try {
        snoozes.save(copy);
    } catch (const IoError&) {
        fuzz::Fail("the snoozes could not be saved");
    }
    Snoozes again;
    again.load(copy, alarms, now);
    if (again.entries().size() != snoozes.entries().size())
        fuzz::Fail("saved snoozes did not all come back");
    for (std::size_t i = 0; i < again.entries().size(); ++i) {
        const Snooze& a = again.entries()[i];
        const Snooze& b = snoozes.entries()[i];
        if (a.ringsAt != b.ringsAt || a.snoozedAt != b.snoozedAt || a.alarm.toBytes() != b.alarm.toBytes())
            fuzz::Fail("a saved snooze came back changed");
    }
    return 0;
}
