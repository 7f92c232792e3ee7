#pragma once

// The date-time pattern language of every time format: the digital read-out, the alarm list
// and the messages. A pattern is a run of tokens such as "h:mm:ss AM/PM" or "dddd, mmmm d".

#include "common/DayCount.h"
#include "common/FormatSettings.h"

#include <QString>

namespace horavine {

// Formats a day count with a pattern; names, separators and the formats that c, ddddd,
// dddddd, t and tt stand for come from settings. Never fails: unknown characters are copied.
QString FormatDateTime(const QString& pattern, TDateTime moment, const FormatSettings& settings);

} // namespace horavine
