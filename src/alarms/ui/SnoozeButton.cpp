#include "alarms/ui/SnoozeButton.h"

#include "alarms/Snoozes.h"

#include <QActionGroup>
#include <QMenu>

namespace horavine {

SnoozeButton::SnoozeButton(QWidget* parent)
    : QToolButton(parent)
{
    setObjectName(QStringLiteral("btnSnooze"));
    setFocusPolicy(Qt::NoFocus);
    setPopupMode(QToolButton::MenuButtonPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Snooze"));

    auto* menu = new QMenu(this);
    m_lengths = new QActionGroup(menu);
    m_lengths->setExclusive(true);
    for (int minutes : kSnoozeChoices) {
        QAction* action = menu->addAction(tr("%1 minutes").arg(minutes));
        action->setCheckable(true);
        action->setData(minutes);
        m_lengths->addAction(action);
        connect(action, &QAction::triggered, this, [this, minutes] {
            setMinutes(minutes);
            Q_EMIT snoozed(minutes);
        });
    }
    setMenu(menu);
    connect(this, &QToolButton::clicked, this, [this] { Q_EMIT snoozed(m_minutes); });
    setMinutes(kDefaultSnoozeMinutes);
}

void SnoozeButton::setMinutes(int minutes)
{
    m_minutes = SnoozeMinutes(minutes);
    setText(tr("Snooze %1 min").arg(m_minutes));
    setAccessibleDescription(tr("Shows the alarm again in %1 minutes").arg(m_minutes));
    for (QAction* action : m_lengths->actions())
        action->setChecked(action->data().toInt() == m_minutes);
}

} // namespace horavine
