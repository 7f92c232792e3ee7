// The alarm file as the clock meets it: loaded, listed with its next date, searched for a due or
// missed alarm, and saved back.

#include "FuzzSupport.h"
#include "alarms/AlarmFile.h"
#include "alarms/AlarmMessage.h"
#include "alarms/AlarmRow.h"
#include "alarms/AlarmSchedule.h"
#include "common/Clock.h"
#include "common/FormatSettings.h"
#include "common/IoError.h"

#include <QLocale>

using namespace horavine;

namespace {

// Each record costs a walk over up to two years of days; a few cover every code path.
constexpr std::size_t kRecordsExamined = 8;

const FormatSettings* regional = nullptr;

void examine(const AlarmList& list)
{
    // A leap day, a second before the ring seconds of 14:00, so that due, missed and next-date
    // searches all have work to do.
    const ManualClock clock(EncodeDateTime(2024, 2, 29, 14, 0, 3));
    const std::size_t count = std::min(list.size(), kRecordsExamined);
    for (std::size_t i = 0; i < count; ++i) {
        const AlarmRowTexts row = DescribeAlarmRow(list, int(i), i % 2 == 0, clock, *regional);
        if (row.nextDate.isEmpty() || row.time.isEmpty())
            fuzz::Fail("an alarm row has no time or date");
        AlarmLabelText(AlarmMessage(list[i].VisualFile.text(), list[i].Name.text()));
        const int due = FindDueAlarm(list, false, int(i), clock.now());
        if (due != -1 && due != int(i))
            fuzz::Fail("an alarm test of one record found another");
    }
    const AlarmList few(list.begin(), list.begin() + std::ptrdiff_t(count));
    const int ringing = FindDueAlarm(few, false, -1, clock.now() + 1.0 / 86400);
    const int missed = FindDueAlarm(few, true, -1, clock.now());
    TDateTime ringMoment = 0;
    const int inGap = FindAlarmDueInGap(few, clock.now() - 3.0, clock.now() + 2.0, &ringMoment);
    for (const int found : {ringing, missed, inGap}) {
        if (found < -1 || found >= int(count))
            fuzz::Fail("an alarm search returned no alarm of the list");
    }
    if (inGap >= 0 && (ringMoment <= clock.now() - 3.0 || ringMoment >= clock.now() + 2.0))
        fuzz::Fail("an alarm found in a gap rings outside it");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication(false);
    regional = new FormatSettings(FormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::WriteInput(data, size, QStringLiteral("Alarms.cfg"));
    AlarmList list;
    bool whole = false;
    try {
        whole = LoadAlarms(list, path);
    } catch (const IoError&) {
        return 0;
    }

    // Every whole record is read as it stands; a cut tail is reported, not read.
    const std::size_t kSize = TAlarmRecord::kSize;
    if (whole != (size % kSize == 0) || list.size() != size / kSize)
        fuzz::Fail("the alarm file's records were miscounted");
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].toBytes() != QByteArray(reinterpret_cast<const char*>(data) + i * kSize, qsizetype(kSize)))
            fuzz::Fail("an alarm record differs from the file's bytes");
    }

    examine(list);

    // Saved and loaded again, the list comes back as it was saved.
    const QString copy = fuzz::ScratchFolder() + QStringLiteral("/Saved.cfg");
    try {
        SaveAlarms(list, copy);
    } catch (const IoError&) {
        fuzz::Fail("the alarm list could not be saved");
    }
    AlarmList again;
    if (!LoadAlarms(again, copy) || again.size() != list.size())
        fuzz::Fail("a saved alarm list did not load whole");
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (again[i].toBytes() != list[i].toBytes())
            fuzz::Fail("a saved alarm came back changed");
    }
    return 0;
}
