#include "AlarmEditorFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <functional>

namespace horavine::test {
namespace {

TEST_F(AlarmEditorTest, ControlsToAlarmStoresTheFieldsOfTheShownKind)
{
    // Each row sets up one page on top of a weekly alarm shown in the controls and says what the
    // record must hold afterwards. Fields of the other kinds never change.
    using Pages = AlarmSchedulePages;
    const struct
    {
        const char* what;
        std::function<void(Pages&)> set;
        std::function<void(const TAlarmRecord&)> check;
    } rows[] = {
        {"once today", [](Pages& p) { p.setCurrentIndex(akOnce), p.rbOnceToday->setChecked(true); },
         [](const TAlarmRecord& r) {
             EXPECT_DOUBLE_EQ(r.OnceDate, Day(2024, 3, 5));
         }},
        {"once tomorrow", [](Pages& p) { p.setCurrentIndex(akOnce), p.rbOnceTomorrow->setChecked(true); },
         [](const TAlarmRecord& r) {
             EXPECT_DOUBLE_EQ(r.OnceDate, Day(2024, 3, 6));
         }},
        {"once other",
         [](Pages& p) {
             p.setCurrentIndex(akOnce), p.rbOnceOther->setChecked(true);
             p.DatePickerOnce->setDate(QDate(2024, 4, 1));
             p.chkDeleteAfterExpiration->setChecked(true);
         },
         [](const TAlarmRecord& r) {
             EXPECT_DOUBLE_EQ(r.OnceDate, Day(2024, 4, 1));
             EXPECT_EQ(r.DeleteAfterExpiration, 1);
         }},
        {"daily every 3 days",
         [](Pages& p) {
             p.setCurrentIndex(akDaily), p.seEveryNdays->setValue(3);
             p.DatePickerDaily->setDate(QDate(2024, 3, 1));
         },
         [](const TAlarmRecord& r) {
             EXPECT_EQ(r.EveryNdays, 3);
             EXPECT_DOUBLE_EQ(r.DailyStart, Day(2024, 3, 1));
         }},
        {"weekly Tue+Thu",
         [](Pages& p) {
             for (int d = 1; d <= 7; ++d)
                 p.WeekDayBoxes[static_cast<std::size_t>(d)]->setChecked(d == 2 || d == 4);
         },
         [](const TAlarmRecord& r) {
             EXPECT_EQ(QByteArray(r.WeekDays + 1, 7), QByteArray("FNFNFFF"));
         }},
        {"monthly last Friday",
         [](Pages& p) {
             p.setCurrentIndex(akMonthly), p.rbMonthyThe->setChecked(true);
             p.cbMonthlyTheN->setCurrentText(QStringLiteral("last"));
             p.cbMonthlyTheDay->setCurrentText(QStringLiteral("Friday"));
             p.chkFeb->setChecked(false);
         },
         [](const TAlarmRecord& r) {
             EXPECT_EQ(r.MonthlyThe, 1);
             EXPECT_EQ(r.MonthlyTheN, 5);
             EXPECT_EQ(r.MonthlyTheDay, 5);
             EXPECT_EQ(QByteArray(r.Months + 1, 12), QByteArray("NFNNNNNNNNNN"));
         }},
        {"monthly day 31",
         [](Pages& p) {
             p.setCurrentIndex(akMonthly), p.rbMonthlyDay->setChecked(true);
             p.seMonthlyDay->setValue(31);
         },
         [](const TAlarmRecord& r) {
             EXPECT_EQ(r.MonthlyThe, 0);
             EXPECT_EQ(r.MonthlyDay, 31);
         }},
    };
    const TAlarmRecord weekly = Named(WeeklyAlarm(Day(2024, 2, 26), 2, "1.3.5..", AtTime(7, 30)), "W");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        load({weekly});
        frame->AlarmToControls(0);
        row.set(pages());
        const int kind = pages().currentIndex();
        pages().timePickers()[static_cast<std::size_t>(kind)]->setTime(QTime(19, 5));
        frame->ControlsToAlarm(0);

        const TAlarmRecord& r = alarms[0];
        EXPECT_EQ(r.Kind, kind);
        EXPECT_EQ(FormatDateTime(QStringLiteral("hh:nn"), r.AlarmTime, FormatSettings::fromLocale(QLocale::c())),
                  QStringLiteral("19:05"));
        row.check(r);
        if (kind != akWeekly) {
            EXPECT_EQ(QByteArray(r.WeekDays + 1, 7), QByteArray("NFNFNFF"));
            EXPECT_DOUBLE_EQ(r.WeeklyStart, Day(2024, 2, 26));
            EXPECT_EQ(r.EveryNweeks, 2);
        }
    }
}

TEST_F(AlarmEditorTest, AlarmToControlsShowsTheRecord)
{
    const struct
    {
        TDateTime onceDate;
        int kind, staysOn;
        QRadioButton* AlarmSchedulePages::*day;
        int page, staysOnItem;
    } rows[] = {
        {Day(2024, 3, 6), akOnce, 30, &AlarmSchedulePages::rbOnceTomorrow, akOnce, 5},
        {Day(2024, 3, 5), akOnce, 9999, &AlarmSchedulePages::rbOnceToday, akOnce, 7},
        {Day(2024, 3, 9), akOnce, 7, &AlarmSchedulePages::rbOnceOther, akOnce, 0}, // unlisted minutes
        {Day(2024, 3, 9), 9, 0, nullptr, akMonthly, 0}, // a kind out of range shows the nearest page
        {Day(2024, 3, 9), -2, 0, nullptr, akOnce, 0},
    };
    for (const auto& row : rows) {
        TAlarmRecord alarm = OnceAlarm(row.onceDate, AtTime(8, 0));
        alarm.Kind = row.kind;
        alarm.StaysOn = row.staysOn;
        load({alarm});
        frame->AlarmToControls(0);
        EXPECT_EQ(pages().currentIndex(), row.page);
        EXPECT_EQ(show().cbStaysOn->currentIndex(), row.staysOnItem);
        if (row.day) {
            EXPECT_TRUE((pages().*row.day)->isChecked());
        }
    }
    // Past midnight the alarm of tomorrow is today's.
    load({OnceAlarm(Day(2024, 3, 6), AtTime(8, 0))});
    clock.set(At(2024, 3, 6, 0, 1));
    frame->AlarmToControls(0);
    EXPECT_TRUE(pages().rbOnceToday->isChecked());
}

TEST_F(AlarmEditorTest, ShowGroupCutsNamesAndPaths)
{
    const QString longPath = QStringLiteral("/docs/") + QString(194, u'x');
    const struct
    {
        QString name, storedName, doc, storedDoc;
    } rows[] = {
        {"Birthday party", "Birthday par", longPath, longPath.left(180)},
        {"Wake", "Wake", "/docs/plan.odt", "/docs/plan.odt"},
    };
    for (const auto& row : rows) {
        load({OnceAlarm(Day(2024, 3, 9), AtTime(8, 0))});
        frame->AlarmToControls(0);
        show().eName->setText(row.name);
        show().bbDocFile->setText(row.doc);
        show().pcShow->setCurrentIndex(AlarmShowGroup::kOpenDocPage);
        frame->ControlsToAlarm(0);
        EXPECT_EQ(alarms[0].Name.text(), row.storedName);
        EXPECT_EQ(alarms[0].DocFile.text(), row.storedDoc);
        EXPECT_EQ(alarms[0].ShowAudioImage, 0);
    }
}

TEST_F(AlarmEditorTest, TwentyFourHourClockInListAndPickers)
{
    load({DailyAlarm(Day(2024, 3, 1), 1, AtTime(19, 5))});
    frame->AlarmToControls(0);
    const struct
    {
        bool ampm;
        QString cell, format;
    } rows[] = {{true, "7: 05 pm", "h: mm AP"}, {false, "19: 05", "H: mm"}};
    for (const auto& row : rows) {
        frame->SetAmPm(row.ampm);
        EXPECT_EQ(cell(0, TfrAlarm::kTimeColumn), row.cell);
        for (QDateTimeEdit* picker : pages().timePickers())
            EXPECT_EQ(picker->displayFormat(), row.format);
    }
    EXPECT_EQ(pages().TimePickerDaily->text(), QStringLiteral("19: 05"));
}

TEST_F(AlarmEditorTest, FileButtonsStoreAtOnceAndCancelEmpties)
{
    const QString alarmFolder = AppDir(folder.path()).alarmFolder();
    const struct
    {
        QPushButton* AlarmShowGroup::*button;
        std::optional<QString> answer;
        QString stored, caption, firstFilter;
        bool anyName;
    } rows[] = {
        {&AlarmShowGroup::bbSoundFile, "/snd/ring.wav", "/snd/ring.wav", "ring.wav", "WAV file (*.wav)", false},
        {&AlarmShowGroup::bbSoundFile, std::nullopt, "", "", "WAV file (*.wav)", false},
        {&AlarmShowGroup::bbVisualFile, alarmFolder + "Wake up now", alarmFolder + "Wake up now", "Wake up now",
         "Pictures", true},
        {&AlarmShowGroup::bbVisualFile, std::nullopt, "", "", "Pictures", true},
        {&AlarmShowGroup::bbDocFile, "/docs/plan.odt", "/docs/plan.odt", "/docs/plan.odt", "All files (*)", false},
    };
    TAlarmRecord alarm = OnceAlarm(Day(2024, 3, 9), AtTime(8, 0));
    alarm.SoundFile.setText(QStringLiteral("/snd/old.wav"));
    alarm.VisualFile.setText(QStringLiteral("/pic/old.jpg"));
    alarm.Sound = 1;
    load({alarm, alarm});
    select(1);
    (show().*rows[0].button)->click(); // browsing: no dialog
    EXPECT_TRUE(requests.empty());
    frame->tbEditSelected->click();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption.toStdString());
        requests.clear();
        fileAnswer = row.answer;
        (show().*row.button)->click();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].folder, alarmFolder);
        EXPECT_TRUE(requests[0].filters.value(0).startsWith(row.firstFilter));
        EXPECT_EQ(requests[0].anyName, row.anyName);
        EXPECT_EQ((show().*row.button)->text(), row.caption);
        const TAlarmRecord& r = alarms[1];
        const auto& field = row.button == &AlarmShowGroup::bbSoundFile ? r.SoundFile
            : row.button == &AlarmShowGroup::bbVisualFile              ? r.VisualFile
                                                                       : r.DocFile;
        EXPECT_EQ(field.text(), row.stored);
    }
    EXPECT_EQ(alarms[0].SoundFile.text(), QStringLiteral("/snd/old.wav")); // the other alarm untouched
    // An existing document opens its own folder.
    QFile document(folder.path() + QStringLiteral("/plan.txt"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.close();
    fileAnswer = document.fileName();
    show().bbDocFile->click();
    show().bbDocFile->click();
    EXPECT_EQ(QDir(requests.back().folder), QDir(folder.path()));
}

TEST_F(AlarmEditorTest, ShowPageIsStoredAtOnceOnlyWhileEditing)
{
    std::vector<TAlarmRecord> records = ThreeAlarms();
    for (TAlarmRecord& alarm : records)
        alarm.ShowAudioImage = 1;
    load(records);
    select(0);
    show().pcShow->setCurrentIndex(AlarmShowGroup::kOpenDocPage);
    EXPECT_EQ(alarms[0].ShowAudioImage, 1); // browsing: the record keeps its page
    frame->tbEditSelected->click();
    EXPECT_EQ(show().pcShow->currentIndex(), AlarmShowGroup::kAudioImagePage);
    show().pcShow->setCurrentIndex(AlarmShowGroup::kOpenDocPage);
    EXPECT_EQ(alarms[0].ShowAudioImage, 0);
    EXPECT_EQ(alarms[1].ShowAudioImage, 1);
}

TEST_F(AlarmEditorTest, UncheckedRowIsSavedSwitchedOff)
{
    load(ThreeAlarms());
    frame->lvAlarms->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(alarms[1].Enabled, 1); // only the save takes the box
    const QString path = AlarmFilePath(AppDir(folder.path()));
    SaveAlarms(alarms, path, frame.get());
    AlarmList reloaded;
    LoadAlarms(reloaded, path);
    ASSERT_EQ(reloaded.size(), 3u);
    EXPECT_EQ(std::vector<int>({reloaded[0].Enabled, reloaded[1].Enabled, reloaded[2].Enabled}),
              std::vector<int>({1, 0, 1}));
    frame->RefreshAlarmRow(1);
    EXPECT_EQ(cell(1, TfrAlarm::kNextDateColumn), QStringLiteral("<Expired>"));
}

TEST_F(AlarmEditorTest, ControlsSpeakTheirHints)
{
    const struct
    {
        QWidget* widget;
        QString name;
    } rows[] = {
        {frame->tbNewAlarm, "Create new alarm"},
        {frame->tbDeleteAlarm, "Delete selected alarm"},
        {frame->tbEditSelected, "Edit selected alarm"},
        {pages().TimePickerOnce, "Set the alarm time"},
        {pages().seMonthlyDay, "On which date of the month"},
        {show().bbVisualFile, "The image or text to wake you up"},
        {show().btnAlarmTest, "Test Alarm"},
        {show().chkSound, "Sound"},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(row.widget);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), row.name);
    }
    for (QWidget* widget : frame->findChildren<QWidget*>()) {
        if (!widget->toolTip().isEmpty()) {
            EXPECT_EQ(widget->accessibleName(), widget->toolTip()) << widget->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace horavine::test
