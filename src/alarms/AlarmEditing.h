#pragma once

// What the alarm editor makes of a record apart from its widgets: the new alarm, the "Stays on"
// choices and the Today/Tomorrow/other day of a one-time alarm.

#include "alarms/AlarmRecord.h"
#include "common/DayCount.h"

namespace horavine {

inline constexpr int kNameCapacity = 12;
inline constexpr int kPathCapacity = 180;

// A record as the editor's controls stand when it is created: "Playing It" chosen, periods and
// day numbers of 1, no week day or month chosen, sound length.
TAlarmRecord EditorDefaultAlarm();

// A new alarm from template (the selected alarm, or EditorDefaultAlarm): switched on, named "New
// Alarm", ringing once two days from now, without files. It has never rung.
TAlarmRecord MakeNewAlarm(const TAlarmRecord& templ, TDateTime now, bool sound, bool showAudioImage);

// "Stays on" list: item 0 "Sound length" (0 minutes) to item 7 "Forever" (9999 minutes).
inline constexpr int kStaysOnItems = 8;
int StaysOnItem(int minutes); // 0 for a number of minutes the list does not offer
int StaysOnMinutes(int item); // -1 for no item

enum class OnceDay { Today, Tomorrow, Other };
OnceDay OnceDayOf(TDateTime onceDate, TDateTime now);
// The whole day a one-time alarm gets from the choice; picked is the date picker's value.
TDateTime OnceDateFor(OnceDay choice, TDateTime picked, TDateTime now);

} // namespace horavine
