#pragma once

// The texts of one row of the alarm list: shared by the alarm editor and the command-line tool,
// so both show an alarm the same way.

#include "alarms/AlarmRecord.h"

#include <QString>

namespace horavine {

class Clock;
struct FormatSettings;

struct AlarmRowTexts
{
    QString name;
    bool enabled = false;
    QString kind; // "Once", "Daily", "Weekly", "Monthly"; empty for any other kind
    QString time; // "h: nn am/pm" or "h: nn"
    QString nextDate; // "d MMM yyyy", or "<Expired>"
};

QString AlarmKindText(int kind);
AlarmRowTexts DescribeAlarmRow(const AlarmList& list, int index, bool amPm, const Clock& clock,
                               const FormatSettings& settings);

} // namespace horavine
