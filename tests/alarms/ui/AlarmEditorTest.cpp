#include "AlarmEditorFixture.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace horavine::test {
namespace {

TEST_F(AlarmEditorTest, NewAlarmCopiesTheSelectedAlarmOrTakesTheDefaults)
{
    const struct
    {
        int selected;
        int deleteAfterPlaying, deleteAfterExpiration, staysOn, everyNdays;
        const char* weekDays;
    } rows[] = {
        {0, 0, 1, 10, 2, "1.3...."}, // the first of three: its flags and other kinds' settings
        {-1, 1, 0, 0, 1, "......."}, // nothing selected: the editor's own defaults
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.selected);
        load(ThreeAlarms());
        select(row.selected);
        frame->tbNewAlarm->click();

        ASSERT_EQ(alarms.size(), 4u);
        const TAlarmRecord& made = alarms[3];
        EXPECT_EQ(made.Name.text(), QStringLiteral("New Alarm"));
        EXPECT_EQ(made.Enabled, 1);
        EXPECT_EQ(made.Kind, akOnce);
        EXPECT_DOUBLE_EQ(made.OnceDate, At(2024, 3, 7, 10, 0));
        EXPECT_EQ(made.DeleteAfterPlaying, row.deleteAfterPlaying);
        EXPECT_EQ(made.DeleteAfterExpiration, row.deleteAfterExpiration);
        EXPECT_EQ(made.StaysOn, row.staysOn);
        EXPECT_EQ(made.EveryNdays, row.everyNdays);
        TAlarmRecord flags = made;
        SetFlags(flags.WeekDays, row.weekDays);
        EXPECT_EQ(QByteArray(made.WeekDays + 1, 7), QByteArray(flags.WeekDays + 1, 7));
        EXPECT_TRUE(made.VisualFile.text().isEmpty() && made.SoundFile.text().isEmpty());

        // At once in edit, the new row empty until the edit ends.
        EXPECT_TRUE(frame->isEditing());
        EXPECT_EQ(frame->EditIndex(), 3);
        EXPECT_EQ(frame->selectedRow(), 3);
        EXPECT_TRUE(pages().rbOnceOther->isChecked());
        EXPECT_EQ(pages().DatePickerOnce->date(), QDate(2024, 3, 7));
        EXPECT_EQ(show().eName->text(), QStringLiteral("New Alarm"));
        EXPECT_EQ(cell(3, TfrAlarm::kNameColumn), QString());
        EXPECT_EQ(frame->rowChecked(3), true);

        frame->EndEditing();
        EXPECT_EQ(cell(3, TfrAlarm::kNameColumn), QStringLiteral("New Alarm"));
        EXPECT_EQ(cell(3, TfrAlarm::kTypeColumn), QStringLiteral("Once"));
        EXPECT_EQ(cell(3, TfrAlarm::kTimeColumn), QStringLiteral("10: 00 am"));
        EXPECT_EQ(cell(3, TfrAlarm::kNextDateColumn), QStringLiteral("7 Mar 2024"));
        EXPECT_DOUBLE_EQ(alarms[3].OnceDate, Day(2024, 3, 7));
    }
}

TEST_F(AlarmEditorTest, DeleteAsksAndRebuildsTheRows)
{
    const struct
    {
        int selected;
        bool yes;
        QStringList names; // left in the list
        QString question;
        QString message;
    } rows[] = {
        {1, true, {"A", "C"}, "Delete \"B\" alarm ?", {}},
        {1, false, {"A", "B", "C"}, "Delete \"B\" alarm ?", {}},
        {-1, true, {"A", "B", "C"}, {}, "No alarm selected"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.selected);
        load(ThreeAlarms());
        questions.clear();
        messages.clear();
        answerYes = row.yes;
        select(row.selected);
        frame->tbDeleteAlarm->click();

        QStringList names;
        for (int i = 0; i < frame->rowCount(); ++i) {
            EXPECT_EQ(cell(i, TfrAlarm::kNameColumn), alarms[static_cast<std::size_t>(i)].Name.text());
            names << cell(i, TfrAlarm::kNameColumn);
        }
        EXPECT_EQ(names, row.names);
        EXPECT_EQ(questions.value(0), row.question);
        EXPECT_EQ(messages.value(0), row.message);
        if (row.yes && row.selected >= 0) {
            EXPECT_EQ(frame->selectedRow(), -1);
        }
    }
}

TEST_F(AlarmEditorTest, EditModeLocksTheListAndStoresWhenItEnds)
{
    load(ThreeAlarms());
    alarms[1].LastRingDate = Day(2024, 3, 5);
    select(1);
    EXPECT_EQ(pages().currentIndex(), akWeekly); // the locked pages preview the selection
    EXPECT_FALSE(pages().isEnabled());
    EXPECT_FALSE(show().imgLock->isHidden());

    frame->tbEditSelected->click();
    EXPECT_TRUE(frame->isEditing());
    EXPECT_EQ(frame->EditIndex(), 1);
    EXPECT_TRUE(pages().isEnabled() && show().isEnabled());
    EXPECT_FALSE(frame->lvAlarms->isEnabled() || frame->tbNewAlarm->isEnabled() || frame->tbDeleteAlarm->isEnabled());
    EXPECT_TRUE(show().imgLock->isHidden());
    EXPECT_EQ(frame->tbEditSelected->text(), QStringLiteral(" End Editing"));

    // Weekly becomes Daily; the week-day flags stay in the record.
    pages().setCurrentIndex(akDaily);
    pages().seEveryNdays->setValue(5);
    show().eName->setText(QStringLiteral("Bee"));
    frame->InitEditor(); // an activation in the middle keeps the edit and its alarm
    EXPECT_TRUE(frame->isEditing());
    frame->EndEditing();

    const TAlarmRecord& b = alarms[1];
    EXPECT_EQ(frame->tbEditSelected->text(), QStringLiteral(" Edit Selected"));
    EXPECT_FALSE(frame->tbEditSelected->isChecked());
    EXPECT_EQ(b.Kind, akDaily);
    EXPECT_EQ(b.EveryNdays, 5);
    EXPECT_EQ(b.LastRingDate, 0.0);
    EXPECT_EQ(QByteArray(b.WeekDays + 1, 7), QByteArray("NFNFNFF"));
    EXPECT_EQ(cell(1, TfrAlarm::kNameColumn), QStringLiteral("Bee"));
    EXPECT_EQ(cell(1, TfrAlarm::kTypeColumn), QStringLiteral("Daily"));
    EXPECT_EQ(frame->selectedRow(), 1);
    EXPECT_EQ(alarms[0].Name.text(), QStringLiteral("A")); // the others untouched
    EXPECT_EQ(alarms[2].Kind, akMonthly);
}

TEST_F(AlarmEditorTest, EditSelectedWithoutAnAlarmSpringsBack)
{
    const struct
    {
        int alarms;
        int selected;
    } rows[] = {{0, -1}, {3, -1}};
    for (const auto& row : rows) {
        std::vector<TAlarmRecord> records = ThreeAlarms();
        records.resize(static_cast<std::size_t>(row.alarms));
        load(records);
        select(row.selected);
        frame->tbEditSelected->click();
        EXPECT_FALSE(frame->tbEditSelected->isChecked());
        EXPECT_FALSE(frame->isEditing());
        EXPECT_FALSE(pages().isEnabled());
        EXPECT_EQ(frame->EditIndex(), -1);
    }
}

TEST_F(AlarmEditorTest, AnEditFollowsItsAlarmWhenOthersAreDeleted)
{
    // What the firing code may do to the list while an alarm is being edited.
    enum Change { DeletedBefore, DeletedItself, RebuiltAfterUnknownDeletion };
    const struct
    {
        Change change;
        bool stillEditing;
        int editIndex;
    } rows[] = {{DeletedBefore, true, 1}, {DeletedItself, false, -1}, {RebuiltAfterUnknownDeletion, false, -1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        load(ThreeAlarms());
        select(2);
        frame->tbEditSelected->click();
        pages().seMonthlyDay->setValue(20);
        DeleteAlarm(alarms, row.change == DeletedItself ? 2 : 0);
        if (row.change == RebuiltAfterUnknownDeletion)
            frame->RebuildRows();
        else
            frame->AlarmDeleted(row.change == DeletedItself ? 2 : 0);
        EXPECT_EQ(frame->isEditing(), row.stillEditing);
        EXPECT_EQ(frame->EditIndex(), row.editIndex);
        frame->EndEditing();
        // Only the edited alarm C may take the 20; B, now first or second, keeps its kind.
        for (const TAlarmRecord& alarm : alarms)
            EXPECT_EQ(alarm.MonthlyDay == 20, row.stillEditing && alarm.Name.text() == QStringLiteral("C"));
        EXPECT_EQ(alarms[alarms.size() - 2].Kind, row.change == DeletedItself ? akDaily : akWeekly);
    }
}

TEST_F(AlarmEditorTest, ActivationBringsPickersAndDayCaptionsToNow)
{
    load(ThreeAlarms());
    select(0);
    frame->tbEditSelected->click();
    frame->EndEditing();
    EXPECT_EQ(frame->EditIndex(), 0); // kept after the edit
    const QString tomorrow = pages().rbOnceTomorrow->text();
    EXPECT_TRUE(pages().rbOnceToday->text().startsWith(QStringLiteral("Today ")));
    EXPECT_TRUE(tomorrow.startsWith(QStringLiteral("Tomorrow ")));

    clock.set(At(2024, 3, 6, 9, 15));
    frame->InitEditor();
    EXPECT_EQ(frame->EditIndex(), -1);
    EXPECT_EQ(pages().rbOnceToday->text().mid(6), tomorrow.mid(9));
    for (QDateTimeEdit* picker : pages().timePickers())
        EXPECT_EQ(picker->dateTime(), QDateTime(QDate(2024, 3, 6), QTime(9, 15), Qt::UTC));
    EXPECT_EQ(pages().DatePickerWeekly->date(), QDate(2024, 3, 6));
}

TEST_F(AlarmEditorTest, TestAlarmPresentsACopyOfTheEditedAlarm)
{
    load(ThreeAlarms());
    std::vector<QString> shown;
    bool fail = false;
    frame->ShowAlarm = [&](const TAlarmRecord& alarm) {
        shown.push_back(alarm.Name.text());
        if (fail)
            throw IoError(QStringLiteral("Cannot load picture"));
    };
    select(0);
    frame->btnAlarmTestClick(); // browsing: nothing to test
    EXPECT_TRUE(shown.empty());

    frame->tbEditSelected->click();
    show().eName->setText(QStringLiteral("Not yet"));
    frame->btnAlarmTestClick();
    fail = true;
    frame->btnAlarmTestClick();
    EXPECT_EQ(shown, (std::vector<QString>{"A", "A"}));
    EXPECT_EQ(messages, QStringList{"Cannot load picture"});
    EXPECT_EQ(alarms[0].LastRingDate, 0.0);
}

} // namespace
} // namespace horavine::test
