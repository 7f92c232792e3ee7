#pragma once

// The alarms joined to the clock's windows: the editor on the options window's Alarms page, the
// firing code on the clock's tick, the presentation window for both, and the alarm file saved
// with the editor's check boxes. The editor is built with the options window; until then the
// firing code needs nobody to tell and the save takes the list as it stands.

#include "alarms/AlarmFiring.h"
#include "alarms/AlarmPresenter.h"
#include "alarms/AlarmRecord.h"
#include "common/AppDir.h"
#include "common/Clock.h"

#include <QPointer>
#include <memory>

namespace horavine {

class SnoozeMenu;
class TfrAlarm;
class TfrmOptions;
class TfrmZavIro;

class ClockAlarms : public AlarmFiringHost
{
public:
    // Puts the editor on the clock's options window when that is built (at once if it already is).
    ClockAlarms(AlarmList& alarms, const Clock& clock, const AppDir& appDir, TfrmZavIro& clockWindow,
                AlarmPresenter& presenter);
    ~ClockAlarms() override;

    // The start-up step: loads the alarm file, reports a missed alarm, removes expired ones.
    // Errors are shown in the error box.
    void start();

    TfrAlarm* editor() const; // null until the options window is built
    AlarmFiring& firing() { return m_firing; }
    SnoozeMenu& snoozeMenu() { return *m_snoozeMenu; }

    // AlarmFiringHost
    void showMessage(const QString& text) override;
    void initEditor() override;
    void alarmsLoaded() override;
    void alarmDeleted(int index) override;
    void alarmRang(int index) override;
    bool switchedOffInEditor(int index) const override;
    void snoozesChanged() override;
    void snoozeLengthChosen(int minutes) override;
    void snoozeFileFailed(const QString& message) override;

private:
    void attachEditor(TfrmOptions& options);

    AlarmList& m_alarms;
    const Clock& m_clock;
    AppDir m_appDir;
    TfrmZavIro& m_clockWindow;
    AlarmPresenter& m_presenter;
    QPointer<TfrAlarm> m_editor; // owned by the options window's page
    AlarmFiring m_firing;
    std::unique_ptr<SnoozeMenu> m_snoozeMenu;
    bool m_snoozeFileFailed = false;
};

} // namespace horavine
