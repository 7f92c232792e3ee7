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

void LazyAlarmPresenter::ShowAlarm(const TAlarmRecord& alarm)
{
    if (!m_presenter && m_create)
        m_presenter = m_create();
    // A factory that could build nothing leaves the alarm unshown rather than crashing the tick.
    if (m_presenter)
        m_presenter->ShowAlarm(alarm);
}

} // namespace horavine
