#pragma once

// The alarm editor: the list of all alarms with their next ring date, the tool bar that creates,
// deletes and edits them, and the pages that show one alarm. While browsing, the pages are locked
// and preview the selected alarm; while editing, the list is locked and the pages are live. Row i
// of the list always shows record i.

#include "alarms/AlarmRecord.h"
#include "alarms/AlarmRowSource.h"
#include "alarms/ui/AlarmFileDialog.h"
#include "common/AppDir.h"
#include "common/FormatSettings.h"

#include <QWidget>
#include <functional>

class QToolBar;
class QToolButton;
class QTreeWidget;

namespace horavine {

class AlarmSchedulePages;
class AlarmShowGroup;
class Clock;

class TfrAlarm : public QWidget, public AlarmRowSource
{
    Q_OBJECT
public:
    enum Column { kNameColumn = 0, kTypeColumn = 1, kTimeColumn = 2, kNextDateColumn = 3 };

    TfrAlarm(AlarmList& alarms, const Clock& clock, const AppDir& appDir, QWidget* parent = nullptr,
             const FormatSettings& settings = FormatSettings::fromLocale(QLocale::system()));
    ~TfrAlarm() override;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* tbNewAlarm = nullptr;
    QToolButton* tbDeleteAlarm = nullptr;
    QToolButton* tbEditSelected = nullptr;
    QTreeWidget* lvAlarms = nullptr;
    AlarmSchedulePages* pcAlarmMode = nullptr;
    AlarmShowGroup* gbAlarmFiles = nullptr;

    // Presents a copy of an alarm for Test Alarm; may throw IoError, which is shown in the error box.
    std::function<void(const TAlarmRecord&)> ShowAlarm;
    // The Yes/No question before a deletion; true for Yes. A message box unless replaced.
    std::function<bool(const QString& question)> AskYesNo;
    // The open dialogs of the file buttons. Qt's file dialog unless replaced.
    AlarmFileChooser ChooseFile;

    // Every activation of the options window. Outside an edit: no alarm is being edited, the pickers
    // stand at now. During an edit the edit goes on with its alarm; only the Today/Tomorrow
    // captions are brought up to date, so a dialog closing over the window loses nothing.
    void InitEditor();
    void SetAmPm(bool ampm); // the time pickers' format, then every row again
    bool AmPm() const { return m_amPm; }
    void setFormatSettings(const FormatSettings& settings);

    void SelectFirstAlarm(); // when there are rows and none is selected
    void AddAlarmRow(); // an empty row at the end
    void RefreshAlarmRow(int row); // name, check box, kind, time and next ring date of record row
    // Empties the list and adds and fills one row per alarm; none is selected afterwards. An edit
    // in progress keeps its row selected, or ends storing nothing when the list changed its length
    // (its alarm can no longer be told from the others; AlarmDeleted avoids that).
    void RebuildRows();
    // Only the "Next date to ring" of a row, after its alarm rang: the check box keeps what the
    // user chose until the next save.
    void RefreshNextDate(int row);
    // After DeleteAlarm(alarms, index) elsewhere (delete after playing): an edit in progress follows
    // its alarm to its new index, or ends storing nothing when that alarm was the one deleted;
    // then the rows are rebuilt.
    void AlarmDeleted(int index);

    void AlarmToControls(int index);
    void ControlsToAlarm(int index);

    // What "Done" does first: an edit in progress ends as if tbEditSelected were released.
    void EndEditing();
    bool isEditing() const { return m_editing; }
    int EditIndex() const { return m_editIndex; }
    int selectedRow() const; // -1 for none
    int rowCount() const;

    // The check box of row i, for SaveAlarms.
    std::optional<bool> rowChecked(int row) const override;

    void tbNewAlarmClick();
    void tbDeleteAlarmClick();
    void tbEditSelectedClick(); // after the button has changed its state
    void lvAlarmsSelectItem();
    void btnAlarmTestClick();
    void bbVisualFileClick();
    void bbSoundFileClick();
    void bbDocFileClick();
    void pcShowChange(int page);

private:
    void buildToolBar();
    void buildList();
    void setEditControls(bool editing);
    void selectRowHeld(int row);
    void endEditStoringNothing();
    // Record EditIndex while an edit is in progress and still names the alarm it began with.
    TAlarmRecord* editedAlarm();
    std::optional<QString> chooseFile(const AlarmFileRequest& request);

    AlarmList& m_alarms;
    const Clock& m_clock;
    AppDir m_appDir;
    FormatSettings m_settings;
    int m_editIndex = -1;
    std::size_t m_editedCount = 0; // the number of alarms the edit's index refers to
    bool m_editing = false;
    bool m_amPm = false;
    bool m_holdSelection = false;
    bool m_filling = false;
};

} // namespace horavine
