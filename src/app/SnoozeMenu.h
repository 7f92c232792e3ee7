#pragma once

// The snoozed alarms in the tray menu, above its own entries: "Snoozed: Name, rings at h:mm",
// each with an entry that cancels that snooze.

#include "common/DayCount.h"
#include "common/FormatSettings.h"

#include <QObject>
#include <QPointer>
#include <vector>

class QAction;
class QMenu;

namespace horavine {

class AlarmFiring;

class SnoozeMenu : public QObject
{
    Q_OBJECT
public:
    SnoozeMenu(QMenu& popup, AlarmFiring& firing,
               FormatSettings settings = FormatSettings::fromLocale(QLocale::system()));
    ~SnoozeMenu() override;

    // Lists the snoozes as they stand now.
    void refresh();
    void clear();
    // The submenus, one per snooze, in the menu's order.
    std::vector<QMenu*> entries() const;

private:
    QPointer<QMenu> m_popup;
    AlarmFiring& m_firing;
    FormatSettings m_settings;
    std::vector<QPointer<QMenu>> m_entries;
    QPointer<QAction> m_separator;
};

// "Snoozed: Name, rings at h:mm"
QString SnoozeEntryText(const QString& name, TDateTime ringsAt, const FormatSettings& settings);

} // namespace horavine
