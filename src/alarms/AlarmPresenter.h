#pragma once

#include "alarms/AlarmRecord.h"

#include <optional>

namespace horavine {

// What the firing code asks of the presentation window: its two guards, and the presentation of
// one alarm. The window implements it; tests put a recorder in its place.
class AlarmPresenter
{
public:
    virtual ~AlarmPresenter() = default;

    virtual bool SoundPlaying() const = 0; // a sound of the presentation is playing
    virtual bool AlarmShowing() const = 0; // a presentation is under way

    // Presents a copy of one alarm and returns when the presentation has ended: at once for a
    // document, otherwise when the window has closed. Does nothing while either guard is set.
    // Throws IoError (a picture that cannot be loaded); both guards are then clear again.
    virtual void ShowAlarm(const TAlarmRecord& alarm) = 0;

    // The same with Snooze offered, for `minutes` unless the user picks another length: the
    // minutes it was snoozed for, or nothing when it was closed. Without a snooze control a
    // presentation can only be closed.
    virtual std::optional<int> ShowAlarmOfferingSnooze(const TAlarmRecord& alarm, int /*minutes*/)
    {
        ShowAlarm(alarm);
        return std::nullopt;
    }
};

} // namespace horavine
