#pragma once

// An alarm editor on a test clock (Tuesday 5 March 2024, 10:00) in a temporary application
// folder, with recorders in place of the message boxes, the question and the file dialogs.

#include "../../app/ShellTestApp.h"
#include "../AlarmTestSupport.h"
#include "alarms/AlarmFile.h"
#include "alarms/ui/AlarmSchedulePages.h"
#include "alarms/ui/AlarmShowGroup.h"
#include "alarms/ui/TfrAlarm.h"
#include "common/Clock.h"
#include "common/DateFormat.h"
#include "common/IoError.h"
#include "controls/ErrorBox.h"
#include "controls/TSpinEdit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace horavine::test {

class AlarmEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkdir(QStringLiteral("Alarm"));
        SetErrorBoxHandler([this](const QString& text) { messages << text; });
        frame = std::make_unique<TfrAlarm>(alarms, clock, AppDir(folder.path()), nullptr,
                                           FormatSettings::fromLocale(QLocale::c()));
        frame->AskYesNo = [this](const QString& question) {
            questions << question;
            return answerYes;
        };
        frame->ChooseFile = [this](const AlarmFileRequest& request) {
            requests.push_back(request);
            return fileAnswer;
        };
        frame->SetAmPm(true);
    }
    void TearDown() override { SetErrorBoxHandler({}); }

    // The editor as the options window leaves it after start-up.
    void load(std::vector<TAlarmRecord> records)
    {
        alarms = std::move(records);
        frame->InitEditor();
        frame->RebuildRows();
    }
    void select(int row)
    {
        if (row < 0)
            frame->lvAlarms->clearSelection();
        else
            frame->lvAlarms->setCurrentItem(frame->lvAlarms->topLevelItem(row));
    }
    QString cell(int row, int column) const { return frame->lvAlarms->topLevelItem(row)->text(column); }
    AlarmSchedulePages& pages() { return *frame->pcAlarmMode; }
    AlarmShowGroup& show() { return *frame->gbAlarmFiles; }

    static TAlarmRecord Named(TAlarmRecord alarm, const char* name)
    {
        alarm.Name.setText(QString::fromLatin1(name));
        return alarm;
    }
    // Three alarms A (daily), B (weekly) and C (monthly) at 07:30, 19:05 and 12:00.
    static std::vector<TAlarmRecord> ThreeAlarms()
    {
        TAlarmRecord a = Named(DailyAlarm(Day(2024, 3, 1), 2, AtTime(7, 30)), "A");
        a.DeleteAfterPlaying = 0;
        a.DeleteAfterExpiration = 1;
        a.StaysOn = 10;
        SetFlags(a.WeekDays, "1.3....");
        return {a, Named(WeeklyAlarm(Day(2024, 3, 4), 1, "1.3.5..", AtTime(19, 5)), "B"),
                Named(MonthlyDayAlarm(15, kAllMonths, AtTime(12, 0)), "C")};
    }

    AlarmList alarms;
    ManualClock clock{At(2024, 3, 5, 10, 0)};
    QTemporaryDir folder;
    std::unique_ptr<TfrAlarm> frame;
    QStringList messages;
    QStringList questions;
    bool answerYes = true;
    std::vector<AlarmFileRequest> requests;
    std::optional<QString> fileAnswer;
};

} // namespace horavine::test
