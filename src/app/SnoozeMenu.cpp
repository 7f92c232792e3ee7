#include "app/SnoozeMenu.h"

#include "alarms/AlarmFiring.h"
#include "common/DateFormat.h"

#include <QCoreApplication>
#include <QMenu>

namespace horavine {

QString SnoozeEntryText(const QString& name, TDateTime ringsAt, const FormatSettings& settings)
{
    return QCoreApplication::translate("SnoozeMenu", "Snoozed: %1, rings at %2")
        .arg(name, FormatDateTime(QStringLiteral("h:mm"), ringsAt, settings));
}

SnoozeMenu::SnoozeMenu(QMenu& popup, AlarmFiring& firing, FormatSettings settings)
    : m_popup(&popup)
    , m_firing(firing)
    , m_settings(std::move(settings))
{
    // An alarm deleted or switched off in the editor a moment ago is not offered any more.
    connect(&popup, &QMenu::aboutToShow, this, [this] { m_firing.checkSnoozes(); });
}

SnoozeMenu::~SnoozeMenu()
{
    clear();
}

void SnoozeMenu::clear()
{
    // Taken out of the menu at once, deleted later: a cancel entry may be the one calling.
    for (const QPointer<QMenu>& entry : m_entries) {
        if (!entry)
            continue;
        if (m_popup)
            m_popup->removeAction(entry->menuAction());
        entry->deleteLater();
    }
    m_entries.clear();
    delete m_separator.data();
}

void SnoozeMenu::refresh()
{
    clear();
    if (!m_popup || m_firing.snoozes().empty())
        return;
    QAction* before = m_popup->actions().isEmpty() ? nullptr : m_popup->actions().first();
    for (const Snooze& snooze : m_firing.snoozes().entries()) {
        auto* entry = new QMenu(SnoozeEntryText(snooze.alarm.Name.text(), snooze.ringsAt, m_settings), m_popup);
        QAction* cancel = entry->addAction(QCoreApplication::translate("SnoozeMenu", "Cancel snooze"));
        // Found again by its moment when chosen: the list may have changed since it was built.
        const TDateTime snoozedAt = snooze.snoozedAt;
        const TAlarmRecord alarm = snooze.alarm;
        connect(cancel, &QAction::triggered, this, [this, snoozedAt, alarm] {
            const std::vector<Snooze>& now = m_firing.snoozes().entries();
            for (std::size_t i = 0; i < now.size(); ++i) {
                if (now[i].snoozedAt == snoozedAt && SameAlarm(now[i].alarm, alarm)) {
                    m_firing.cancelSnooze(i);
                    return;
                }
            }
        });
        m_popup->insertMenu(before, entry);
        m_entries.emplace_back(entry);
    }
    m_separator = m_popup->insertSeparator(before);
}

std::vector<QMenu*> SnoozeMenu::entries() const
{
    std::vector<QMenu*> menus;
    for (const QPointer<QMenu>& entry : m_entries) {
        if (entry)
            menus.push_back(entry);
    }
    return menus;
}

} // namespace horavine
