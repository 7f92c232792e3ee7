#include "app/ClockAlarms.h"

#include "alarms/AlarmFile.h"
#include "alarms/ui/TfrAlarm.h"
#include "app/ErrorBox.h"
#include "app/TfrmZavIro.h"
#include "common/IoError.h"
#include "designer/TfrmOptions.h"

namespace horavine {

ClockAlarms::ClockAlarms(AlarmList& alarms, const Clock& clock, const AppDir& appDir, TfrmZavIro& clockWindow,
                         TfrmOptions& options, AlarmPresenter& presenter)
    : m_alarms(alarms)
    , m_appDir(appDir)
    , m_clockWindow(clockWindow)
    , m_editor(new TfrAlarm(alarms, clock, appDir))
    , m_firing(alarms, presenter, clock, *this)
{
    options.setAlarmEditor(m_editor);
    options.SetAmPm = [this](bool amPm) { m_editor->SetAmPm(amPm); };
    options.InitEditor = [this] { m_editor->InitEditor(); };
    options.SelectFirstAlarm = [this] { m_editor->SelectFirstAlarm(); };
    options.EndAlarmEditing = [this] { m_editor->EndEditing(); };
    m_editor->ShowAlarm = [&presenter](const TAlarmRecord& alarm) { presenter.ShowAlarm(alarm); };
    clockWindow.setAlarmRows(m_editor);
    clockWindow.AlarmHook = [this](TDateTime now) { m_firing.TickHook(now); };
}

ClockAlarms::~ClockAlarms()
{
    m_clockWindow.AlarmHook = {};
}

void ClockAlarms::start()
{
    try {
        m_firing.StartupStep(AlarmFilePath(m_appDir));
    } catch (const IoError& error) {
        ShowErrorBox(nullptr, error.message());
    }
}

void ClockAlarms::showMessage(const QString& text)
{
    ShowMessageBox(nullptr, text);
}

void ClockAlarms::initEditor()
{
    m_editor->InitEditor();
}

void ClockAlarms::alarmsLoaded()
{
    m_editor->RebuildRows();
}

void ClockAlarms::alarmDeleted(int index)
{
    m_editor->AlarmDeleted(index);
}

void ClockAlarms::alarmRang(int index)
{
    m_editor->RefreshNextDate(index);
}

} // namespace horavine
