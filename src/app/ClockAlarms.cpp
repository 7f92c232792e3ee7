#include "app/ClockAlarms.h"

#include "alarms/AlarmFile.h"
#include "alarms/ui/TfrAlarm.h"
#include "app/SnoozeMenu.h"
#include "app/TfrmZavIro.h"
#include "common/IniFile.h"
#include "common/IoError.h"
#include "controls/ErrorBox.h"
#include "designer/TfrmOptions.h"

#include <cstdio>
#include <utility>

namespace horavine {

namespace {

// Beside the keys of the settings file; a version that does not know it passes it by.
const QString kSnoozeSection = QStringLiteral("Default");
const QString kSnoozeKey = QStringLiteral("SnoozeMinutes");

IniFile SettingsFile(const AppDir& appDir)
{
    return IniFile(appDir.file(QStringLiteral("horavine.ini")));
}

} // namespace

ClockAlarms::ClockAlarms(AlarmList& alarms, const Clock& clock, const AppDir& appDir, TfrmZavIro& clockWindow,
                         AlarmPresenter& presenter)
    : m_alarms(alarms)
    , m_clock(clock)
    , m_appDir(appDir)
    , m_clockWindow(clockWindow)
    , m_presenter(presenter)
    , m_firing(alarms, presenter, clock, *this)
    , m_snoozeMenu(std::make_unique<SnoozeMenu>(*clockWindow.PopupMenu1, m_firing))
{
    m_firing.setSnoozeMinutes(SettingsFile(appDir).ReadInteger(kSnoozeSection, kSnoozeKey, kDefaultSnoozeMinutes));
    clockWindow.OnOptionsBuilt = [this](TfrmOptions& options) {
        attachEditor(options);
    };
    clockWindow.AlarmHook = [this](TDateTime now) {
        m_firing.TickHook(now);
    };
    if (TfrmOptions* options = clockWindow.options())
        attachEditor(*options);
}

ClockAlarms::~ClockAlarms()
{
    m_clockWindow.AlarmHook = {};
    m_clockWindow.OnOptionsBuilt = {};
}

TfrAlarm* ClockAlarms::editor() const
{
    return m_editor;
}

void ClockAlarms::attachEditor(TfrmOptions& options)
{
    m_editor = new TfrAlarm(m_alarms, m_clock, m_appDir);
    options.setAlarmEditor(m_editor);
    options.SetAmPm = [this](bool amPm) {
        if (m_editor)
            m_editor->SetAmPm(amPm);
    };
    options.InitEditor = [this] {
        initEditor();
    };
    options.SelectFirstAlarm = [this] {
        if (m_editor)
            m_editor->SelectFirstAlarm();
    };
    options.EndAlarmEditing = [this] {
        if (m_editor)
            m_editor->EndEditing();
    };
    m_editor->ShowAlarm = [this](const TAlarmRecord& alarm) {
        m_presenter.ShowAlarm(alarm);
    };
    m_clockWindow.setAlarmRows(m_editor);
    // The rows come from the list as loaded and rung so far, in the read-out format shown.
    m_editor->InitEditor();
    m_editor->SetAmPm(options.digFormatIndex() == 0);
    m_editor->RebuildRows();
}

bool ClockAlarms::switchedOffInEditor(int index) const
{
    return m_editor && m_editor->rowChecked(index) == false;
}

void ClockAlarms::snoozesChanged()
{
    m_snoozeMenu->refresh();
}

void ClockAlarms::snoozeLengthChosen(int minutes)
{
    IniFile settings = SettingsFile(m_appDir);
    if (settings.ReadInteger(kSnoozeSection, kSnoozeKey, 0) == minutes)
        return;
    try {
        settings.WriteInteger(kSnoozeSection, kSnoozeKey, minutes);
    } catch (const IoError& error) {
        // The close-time save runs into the same refusal and says so in a box; here the length is
        // only not remembered.
        std::fprintf(stderr, "horavine: %s\n", qPrintable(error.message()));
    }
}

void ClockAlarms::snoozeFileFailed(const QString& message)
{
    // Once: the snoozes go on while the clock runs, they just would not survive a restart.
    if (std::exchange(m_snoozeFileFailed, true))
        return;
    std::fprintf(stderr, "horavine: %s\n", qPrintable(message));
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
    if (m_editor)
        m_editor->InitEditor();
}

void ClockAlarms::alarmsLoaded()
{
    if (m_editor)
        m_editor->RebuildRows();
}

void ClockAlarms::alarmDeleted(int index)
{
    if (m_editor)
        m_editor->AlarmDeleted(index);
}

void ClockAlarms::alarmRang(int index)
{
    if (m_editor)
        m_editor->RefreshNextDate(index);
}

} // namespace horavine
