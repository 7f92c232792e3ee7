// The alarm editor's edit mode and the buttons that act on one alarm.

#include "alarms/AlarmEditing.h"
#include "alarms/AlarmFile.h"
#include "alarms/ui/AlarmSchedulePages.h"
#include "alarms/ui/AlarmShowGroup.h"
#include "alarms/ui/TfrAlarm.h"
#include "common/Clock.h"
#include "common/IoError.h"
#include "controls/ErrorBox.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace horavine {

void TfrAlarm::setEditControls(bool editing)
{
    pcAlarmMode->setEnabled(editing);
    gbAlarmFiles->setEnabled(editing);
    lvAlarms->setEnabled(!editing);
    tbNewAlarm->setEnabled(!editing);
    tbDeleteAlarm->setEnabled(!editing);
    gbAlarmFiles->imgLock->setVisible(!editing);
    tbEditSelected->setText(editing ? tr(" End Editing") : tr(" Edit Selected"));
}

void TfrAlarm::selectRowHeld(int row)
{
    m_holdSelection = true;
    lvAlarms->setCurrentItem(lvAlarms->topLevelItem(row));
    m_holdSelection = false;
}

TAlarmRecord* TfrAlarm::editedAlarm()
{
    // A list that changed its length under the edit without saying which alarm went (AlarmDeleted)
    // may have moved another alarm to EditIndex: nothing is stored then.
    if (!m_editing || m_editIndex < 0 || m_alarms.size() != m_editedCount
        || m_editIndex >= static_cast<int>(m_alarms.size()))
        return nullptr;
    return &m_alarms[static_cast<std::size_t>(m_editIndex)];
}

void TfrAlarm::endEditStoringNothing()
{
    m_editing = false;
    m_editIndex = -1;
    tbEditSelected->setChecked(false);
    setEditControls(false);
}

void TfrAlarm::EndEditing()
{
    if (!m_editing && !tbEditSelected->isChecked())
        return;
    tbEditSelected->setChecked(false);
    tbEditSelectedClick();
}

void TfrAlarm::tbEditSelectedClick()
{
    const bool down = tbEditSelected->isChecked();
    if (down == m_editing)
        return;
    if (down) {
        // Without a row, or with the row of a record not yet added, there is no alarm to edit.
        const int row = selectedRow();
        if (rowCount() == 0 || row < 0 || row >= static_cast<int>(m_alarms.size())) {
            tbEditSelected->setChecked(false);
            return;
        }
        m_editing = true;
        m_editIndex = row;
        m_editedCount = m_alarms.size();
        setEditControls(true);
        AlarmToControls(m_editIndex);
        return;
    }
    const bool stores = editedAlarm() != nullptr;
    m_editing = false;
    setEditControls(false);
    if (!stores)
        return;
    selectRowHeld(m_editIndex);
    ControlsToAlarm(m_editIndex);
    RefreshAlarmRow(m_editIndex);
}

void TfrAlarm::lvAlarmsSelectItem()
{
    // While editing, the pages hold the edit; the selection only follows it.
    if (m_holdSelection || m_editing || rowCount() == 0)
        return;
    const int row = selectedRow();
    if (row >= 0)
        AlarmToControls(row);
}

void TfrAlarm::tbNewAlarmClick()
{
    if (m_editing)
        return;
    const int row = selectedRow();
    const bool hasTemplate = row >= 0 && row < static_cast<int>(m_alarms.size());
    const TAlarmRecord templ = hasTemplate ? m_alarms[static_cast<std::size_t>(row)] : EditorDefaultAlarm();
    const TAlarmRecord alarm
        = MakeNewAlarm(templ, m_clock.now(), gbAlarmFiles->chkSound->isChecked(), gbAlarmFiles->showsAudioImage());
    gbAlarmFiles->eName->setText(alarm.Name.text());

    AddAlarmRow();
    QTreeWidgetItem* item = lvAlarms->topLevelItem(rowCount() - 1);
    lvAlarms->setCurrentItem(item);
    m_alarms.push_back(alarm);
    // The row's texts wait for the end of the edit, but its box already says the alarm is on:
    // a save before then takes Enabled from it.
    item->setCheckState(kNameColumn, Qt::Checked);

    tbEditSelected->setChecked(true);
    tbEditSelectedClick();
}

void TfrAlarm::tbDeleteAlarmClick()
{
    if (m_editing)
        return;
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(m_alarms.size())) {
        ShowMessageBox(this, tr("No alarm selected"));
        return;
    }
    const std::size_t count = m_alarms.size();
    const QString name = m_alarms[static_cast<std::size_t>(row)].Name.text();
    //: %1 is the alarm's name.
    if (!AskYesNo(tr("Delete \"%1\" alarm ?").arg(name)))
        return;
    // An alarm deleted by the firing code while the question was open moves the others.
    if (m_alarms.size() != count)
        return;
    DeleteAlarm(m_alarms, row);
    RebuildRows();
}

void TfrAlarm::btnAlarmTestClick()
{
    const TAlarmRecord* alarm = editedAlarm();
    if (alarm == nullptr || !ShowAlarm)
        return;
    const TAlarmRecord copy = *alarm;
    try {
        ShowAlarm(copy);
    } catch (const IoError& error) {
        ShowErrorBox(this, error.message());
    }
}

void TfrAlarm::pcShowChange(int page)
{
    if (m_filling)
        return;
    if (TAlarmRecord* alarm = editedAlarm())
        alarm->ShowAudioImage = page == AlarmShowGroup::kAudioImagePage ? 1 : 0;
}

std::optional<QString> TfrAlarm::chooseFile(const AlarmFileRequest& request)
{
    return ChooseFile ? ChooseFile(request) : RunAlarmFileDialog(this, request);
}

void TfrAlarm::bbVisualFileClick()
{
    if (editedAlarm() == nullptr)
        return;
    const std::optional<QString> path
        = chooseFile({AlarmFileRequest::Picture, m_appDir.alarmFolder(), {PictureFilter()}, true});
    // The clock ticks on under the dialog and may have deleted alarms: look the alarm up again.
    TAlarmRecord* alarm = editedAlarm();
    if (alarm == nullptr)
        return;
    alarm->VisualFile.setText(path ? path->left(kPathCapacity) : QString());
    gbAlarmFiles->setVisualFile(alarm->VisualFile.text());
}

void TfrAlarm::bbSoundFileClick()
{
    if (editedAlarm() == nullptr)
        return;
    const std::optional<QString> path
        = chooseFile({AlarmFileRequest::Sound,
                      m_appDir.alarmFolder(),
                      {tr("WAV file (*.wav)"), tr("Sound files (*.wav *.ogg *.oga *.mp3 *.flac)")},
                      false});
    TAlarmRecord* alarm = editedAlarm();
    if (alarm == nullptr)
        return;
    alarm->SoundFile.setText(path ? path->left(kPathCapacity) : QString());
    gbAlarmFiles->setSoundFile(alarm->SoundFile.text());
}

void TfrAlarm::bbDocFileClick()
{
    const TAlarmRecord* current = editedAlarm();
    if (current == nullptr)
        return;
    const QFileInfo document(current->DocFile.text());
    const QString folder = document.isFile() ? document.absolutePath() : m_appDir.alarmFolder();
    const std::optional<QString> path = chooseFile({AlarmFileRequest::Document, folder, {tr("All files (*)")}, false});
    TAlarmRecord* alarm = editedAlarm();
    if (alarm == nullptr)
        return;
    alarm->DocFile.setText(path ? path->left(kPathCapacity) : QString());
    gbAlarmFiles->setDocFile(alarm->DocFile.text());
}

} // namespace horavine
