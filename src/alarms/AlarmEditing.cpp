#include "alarms/AlarmEditing.h"

#include <QCoreApplication>
#include <QString>
#include <array>

namespace horavine {

namespace {
constexpr std::array<int, kStaysOnItems> kStaysOnMinutes = {0, 1, 3, 5, 10, 30, 60, 9999};

template <std::size_t N> void ClearFlags(char (&flags)[N])
{
    flags[0] = 0;
    for (std::size_t i = 1; i < N; ++i)
        flags[i] = kFlagNotChosen;
}
} // namespace

TAlarmRecord EditorDefaultAlarm()
{
    TAlarmRecord r = TAlarmRecord::zeroed();
    r.Enabled = 1;
    r.DeleteAfterPlaying = 1;
    r.EveryNdays = 1;
    r.EveryNweeks = 1;
    r.MonthlyDay = 1;
    r.MonthlyTheN = 1;
    r.MonthlyTheDay = 1;
    ClearFlags(r.WeekDays);
    ClearFlags(r.Months);
    r.Sound = 1;
    r.ShowAudioImage = 1;
    return r;
}

TAlarmRecord MakeNewAlarm(const TAlarmRecord& templ, TDateTime now, bool sound, bool showAudioImage)
{
    TAlarmRecord r = templ;
    r.Enabled = 1;
    r.LastRingDate = 0;
    r.Name.setText(QCoreApplication::translate("AlarmEditing", "New Alarm"));
    r.Kind = akOnce;
    r.AlarmTime = now;
    r.OnceDate = now + 2.0;
    r.VisualFile.setText({});
    r.SoundFile.setText({});
    r.DocFile.setText({});
    r.Sound = sound ? 1 : 0;
    r.ShowAudioImage = showAudioImage ? 1 : 0;
    return r;
}

int StaysOnItem(int minutes)
{
    for (int i = 0; i < kStaysOnItems; ++i) {
        if (kStaysOnMinutes[static_cast<std::size_t>(i)] == minutes)
            return i;
    }
    return 0;
}

int StaysOnMinutes(int item)
{
    if (item < 0 || item >= kStaysOnItems)
        return -1;
    return kStaysOnMinutes[static_cast<std::size_t>(item)];
}

OnceDay OnceDayOf(TDateTime onceDate, TDateTime now)
{
    const int day = DayOf(onceDate);
    if (day == DayOf(now))
        return OnceDay::Today;
    if (day == DayOf(now) + 1)
        return OnceDay::Tomorrow;
    return OnceDay::Other;
}

TDateTime OnceDateFor(OnceDay choice, TDateTime picked, TDateTime now)
{
    switch (choice) {
    case OnceDay::Today:
        return DayOf(now);
    case OnceDay::Tomorrow:
        return DayOf(now) + 1;
    case OnceDay::Other:
        break;
    }
    return DayOf(picked);
}

} // namespace horavine
