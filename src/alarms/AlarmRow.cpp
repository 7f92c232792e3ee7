#include "alarms/AlarmRow.h"

#include "alarms/AlarmSchedule.h"
#include "common/Clock.h"
#include "common/DateFormat.h"

#include <QCoreApplication>

namespace horavine {

QString AlarmKindText(int kind)
{
    switch (kind) {
    case akOnce:
        return QCoreApplication::translate("AlarmRow", "Once");
    case akDaily:
        return QCoreApplication::translate("AlarmRow", "Daily");
    case akWeekly:
        return QCoreApplication::translate("AlarmRow", "Weekly");
    case akMonthly:
        return QCoreApplication::translate("AlarmRow", "Monthly");
    }
    return {};
}

AlarmRowTexts DescribeAlarmRow(const AlarmList& list, int index, bool amPm, const Clock& clock,
                               const FormatSettings& settings)
{
    const TAlarmRecord& alarm = list.at(static_cast<std::size_t>(index));
    AlarmRowTexts row;
    row.name = alarm.Name.text();
    row.enabled = alarm.Enabled != 0;
    row.kind = AlarmKindText(alarm.Kind);
    row.time
        = FormatDateTime(amPm ? QStringLiteral("h: nn am/pm") : QStringLiteral("h: nn"), alarm.AlarmTime, settings);
    const TDateTime next = NextRingDate(list, index, clock);
    row.nextDate = next == 0 ? QCoreApplication::translate("AlarmRow", "<Expired>")
                             : FormatDateTime(QStringLiteral("d MMM yyyy"), next, settings);
    return row;
}

} // namespace horavine
