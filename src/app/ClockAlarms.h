#pragma once

// The alarms joined to the clock's windows: the editor on the options window's Alarms page, the
// firing code on the clock's tick, the presentation window for both, and the alarm file saved
// with the editor's check boxes.

#include "alarms/AlarmFiring.h"
#include "alarms/AlarmPresenter.h"
#include "alarms/AlarmRecord.h"
#include "common/AppDir.h"
#include "common/Clock.h"

namespace horavine {

class TfrAlarm;
class TfrmOptions;
class TfrmZavIro;

class ClockAlarms : public AlarmFiringHost
{
public:
    ClockAlarms(AlarmList& alarms, const Clock& clock, const AppDir& appDir, TfrmZavIro& clockWindow,
                TfrmOptions& options, AlarmPresenter& presenter);
    ~ClockAlarms() override;

    // The start-up step: loads the alarm file, reports a missed alarm, removes expired ones.
    // Errors are shown in the error box.
    void start();

    TfrAlarm* editor() const { return m_editor; }
    AlarmFiring& firing() { return m_firing; }

    // AlarmFiringHost
    void showMessage(const QString& text) override;
    void initEditor() override;
    void alarmsLoaded() override;
    void alarmDeleted(int index) override;
    void alarmRang(int index) override;

private:
    AlarmList& m_alarms;
    AppDir m_appDir;
    TfrmZavIro& m_clockWindow;
    TfrAlarm* m_editor = nullptr; // owned by the options window's page
    AlarmFiring m_firing;
};

} // namespace horavine
