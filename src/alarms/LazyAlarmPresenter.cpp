#include "alarms/LazyAlarmPresenter.h"

namespace horavine {

LazyAlarmPresenter::LazyAlarmPresenter(Factory create)
    : m_create(std::move(create))
{
}

LazyAlarmPresenter::~LazyAlarmPresenter() = default;

bool LazyAlarmPresenter::SoundPlaying() const
{
    return m_presenter && m_presenter->SoundPlaying();
}

bool LazyAlarmPresenter::AlarmShowing() const
{
    return m_presenter && m_presenter->AlarmShowing();
}

AlarmPresenter* LazyAlarmPresenter::presenter()
{
    if (!m_presenter && m_create)
        m_presenter = m_create();
    return m_presenter.get();
}

void LazyAlarmPresenter::ShowAlarm(const TAlarmRecord& alarm)
{
    // A factory that could build nothing leaves the alarm unshown rather than crashing the tick.
    if (AlarmPresenter* real = presenter())
        real->ShowAlarm(alarm);
}

std::optional<int> LazyAlarmPresenter::ShowAlarmOfferingSnooze(const TAlarmRecord& alarm, int minutes)
{
    AlarmPresenter* real = presenter();
    return real ? real->ShowAlarmOfferingSnooze(alarm, minutes) : std::nullopt;
}

} // namespace horavine
