#pragma once

// A presenter that builds the real one at the first alarm it is asked to present: the presentation
// window and its sound are not needed until then, and a clock that never rings never pays for them.

#include "alarms/AlarmPresenter.h"

#include <functional>
#include <memory>

namespace horavine {

class LazyAlarmPresenter : public AlarmPresenter
{
public:
    using Factory = std::function<std::unique_ptr<AlarmPresenter>()>;

    explicit LazyAlarmPresenter(Factory create);
    ~LazyAlarmPresenter() override;

    bool built() const { return m_presenter != nullptr; }

    // Nothing is playing or showing before the real presenter exists.
    bool SoundPlaying() const override;
    bool AlarmShowing() const override;
    void ShowAlarm(const TAlarmRecord& alarm) override;
    std::optional<int> ShowAlarmOfferingSnooze(const TAlarmRecord& alarm, int minutes) override;

private:
    AlarmPresenter* presenter();

    Factory m_create;
    std::unique_ptr<AlarmPresenter> m_presenter;
};

} // namespace horavine
