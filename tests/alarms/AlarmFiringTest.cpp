// Alarms ringing from the tick and at start-up, with a recording presentation window and a
// clock the tests set.

#include "AlarmTestSupport.h"
#include "alarms/AlarmFile.h"
#include "alarms/AlarmFiring.h"
#include "common/Clock.h"

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

// Presents by recording; `during` runs while the presentation is on, as the nested ticks and
// the user's click do inside the modal window.
class RecordingPresenter : public AlarmPresenter
{
public:
    bool SoundPlaying() const override { return soundPlaying; }
    bool AlarmShowing() const override { return showing; }
    void ShowAlarm(const TAlarmRecord& alarm) override
    {
        if (soundPlaying || showing)
            return;
        shown.push_back(alarm.Name.text());
        if (alarm.ShowAudioImage == 0)
            return; // a document: handed over at once
        showing = true;
        if (during)
            during();
        showing = false;
    }

    bool soundPlaying = false;
    bool showing = false;
    std::function<void()> during;
    QStringList shown;
};

class RecordingHost : public AlarmFiringHost
{
public:
    void showMessage(const QString& text) override { messages.append(text); }
    void alarmDeleted(int) override { ++rebuilds; }
    QStringList messages;
    int rebuilds = 0;
};

TAlarmRecord Named(TAlarmRecord alarm, const char* name, bool document = false)
{
    alarm.Name.setText(QString::fromLatin1(name));
    alarm.ShowAudioImage = document ? 0 : 1;
    return alarm;
}

class Firing : public ::testing::Test
{
protected:
    ManualClock clock{At(2026, 12, 9, 7, 30, 4)};
    AlarmList alarms;
    RecordingPresenter presenter;
    RecordingHost host;
    AlarmFiring firing{alarms, presenter, clock, host, FormatSettings::fromLocale(QLocale(QLocale::English))};

    void tick(int hour, int minute, int second, int day = 9)
    {
        clock.set(At(2026, 12, day, hour, minute, second));
        firing.TickHook(clock.now());
    }
};

TEST_F(Firing, AlarmsOfOneMinuteRingOnlyWhenTheEarlierPresentationHasEnded)
{
    struct Row
    {
        bool firstIsDocument;
        bool closedBeforeSecondFive;
        QStringList shown;
    };
    const Row rows[] = {
        {false, false, {"First"}}, // the window is still up at 07:30:05: the second is missed
        {false, true, {"First", "Second"}},
        {true, true, {"First", "Second"}}, // a document returns at once
    };
    for (const Row& row : rows) {
        alarms = {Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(7, 30)), "First", row.firstIsDocument),
                  Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(7, 30)), "Second")};
        presenter.shown.clear();
        presenter.during = [&] {
            if (!row.closedBeforeSecondFive)
                tick(7, 30, 5); // a nested tick inside the open window
        };
        tick(7, 30, 4);
        presenter.during = {};
        if (row.closedBeforeSecondFive)
            tick(7, 30, 5);
        tick(7, 30, 6);
        EXPECT_EQ(presenter.shown, row.shown);
        EXPECT_EQ(alarms[0].LastRingDate, Day(2026, 12, 9));
        EXPECT_EQ(alarms[1].LastRingDate, row.shown.size() == 2 ? Day(2026, 12, 9) : 0.0);
    }
}

TEST_F(Firing, PlayedOneTimeAlarmsAskingForItAreDeletedAndRungDayIsWhenThePresentationEnds)
{
    TAlarmRecord once = Named(OnceAlarm(Day(2026, 12, 9), AtTime(23, 59)), "Once");
    once.DeleteAfterPlaying = 1;
    TAlarmRecord daily = Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(23, 59)), "Daily");
    daily.DeleteAfterPlaying = 1;
    alarms = {once, daily};
    presenter.during = [&] { clock.set(At(2026, 12, 10, 0, 1, 0)); }; // closed after midnight
    tick(23, 59, 4);
    ASSERT_EQ(alarms.size(), 1u);
    EXPECT_EQ(host.rebuilds, 1);
    tick(23, 59, 4); // the daily alarm now
    EXPECT_EQ(alarms[0].LastRingDate, Day(2026, 12, 10));
    EXPECT_EQ(presenter.shown, (QStringList{"Once", "Daily"}));
    tick(23, 59, 4, 10); // counts as rung on the new day: not again that evening
    EXPECT_EQ(presenter.shown.size(), 2);
}

TEST_F(Firing, NothingIsLookedForWhileASoundPlaysAndAVanishedAlarmIsAnInternalError)
{
    alarms = {Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(7, 30)), "Wake")};
    presenter.soundPlaying = true;
    tick(7, 30, 4);
    EXPECT_TRUE(presenter.shown.isEmpty());
    presenter.soundPlaying = false;
    presenter.during = [&] { alarms.clear(); }; // the editor deleted it meanwhile
    tick(7, 30, 5);
    EXPECT_EQ(host.messages, QStringList{"Internal error 1001 - 0/0"});
}

TEST_F(Firing, AnAlarmThatFellDueWhileTheMachineSleptIsReportedNotRung)
{
    alarms = {Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(7, 30)), "Wake"),
              Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(6, 0)), "Early")};
    struct Row
    {
        int fromHour, fromMinute, fromSecond, toHour, toMinute, toSecond;
        QStringList messages;
        int rings;
    };
    const Row rows[] = {
        {5, 0, 0, 8, 0, 0, {"Alarm \"Early\" should've rung earlier(at 6: 00 am) today."}, 0}, // the earliest first
        {7, 29, 50, 7, 45, 0, {"Alarm \"Wake\" should've rung earlier(at 7: 30 am) today."}, 0},
        {7, 30, 4, 7, 45, 0, {}, 1}, // a tick inside the ring seconds rang it
        {7, 29, 31, 7, 30, 30, {}, 0}, // a minute or less: an ordinary late tick
        {9, 0, 0, 7, 0, 0, {}, 0}, // the clock set back
    };
    for (const Row& row : rows) {
        for (TAlarmRecord& alarm : alarms)
            alarm.LastRingDate = 0;
        presenter.shown.clear();
        AlarmFiring fresh(alarms, presenter, clock, host, FormatSettings::fromLocale(QLocale(QLocale::English)));
        host.messages.clear();
        clock.set(At(2026, 12, 9, row.fromHour, row.fromMinute, row.fromSecond));
        fresh.TickHook(clock.now());
        clock.set(At(2026, 12, 9, row.toHour, row.toMinute, row.toSecond));
        fresh.TickHook(clock.now());
        fresh.TickHook(clock.now() + 1.0 / 86400);
        EXPECT_EQ(host.messages, row.messages) << row.fromHour << ":" << row.fromMinute;
        EXPECT_EQ(presenter.shown.size(), row.rings); // nothing rings late
    }
}

TEST_F(Firing, StartUpReportsTheFirstMissedAlarmOnceAndRemovesExpiredOneTimeAlarms)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Alarms.cfg"));
    auto expiring = [](const char* name, TDateTime day, bool flag, bool enabled = true) {
        TAlarmRecord alarm = Named(OnceAlarm(day, AtTime(7, 0)), name);
        alarm.DeleteAfterExpiration = flag ? 1 : 0;
        alarm.Enabled = enabled ? 1 : 0;
        return alarm;
    };
    AlarmList stored = {Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(19, 5)), "Late"),
                        expiring("Gone1", Day(2026, 12, 8), true),
                        expiring("Gone2", Day(2026, 12, 8), true),
                        expiring("Stays", Day(2026, 12, 8), false),
                        expiring("Off", Day(2026, 12, 20), true, false),
                        Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(8, 0)), "Wake"),
                        expiring("Later", Day(2026, 12, 20), true)};
    SaveAlarms(stored, file);
    clock.set(At(2026, 12, 9, 20, 0, 0));
    firing.StartupStep(file);
    EXPECT_EQ(host.messages, QStringList{"Alarm \"Late\" should've rung earlier(at 7: 05 pm) today."});
    QStringList names;
    for (const TAlarmRecord& alarm : alarms)
        names.append(alarm.Name.text());
    EXPECT_EQ(names, (QStringList{"Late", "Stays", "Wake", "Later"}));
    EXPECT_EQ(alarms[0].LastRingDate, 0.0); // reported, not rung
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_FALSE(firing.keptDamagedFile());
}

TEST_F(Firing, ADamagedAlarmFileIsKeptBesideItBeforeAnythingOverwritesIt)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Alarms.cfg"));
    AlarmList stored = {Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(19, 5)), "A"),
                        Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(20, 5)), "B")};
    SaveAlarms(stored, file);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(100, 'x')); // a cut third record
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    f.close();

    clock.set(At(2026, 12, 9, 6, 0, 0));
    for (const char* expected : {".damaged", ".damaged.2"}) {
        host.messages.clear();
        AlarmFiring start(alarms, presenter, clock, host);
        start.StartupStep(file);
        EXPECT_EQ(alarms.size(), 2u);
        ASSERT_TRUE(start.keptDamagedFile());
        EXPECT_EQ(*start.keptDamagedFile(), file + QString::fromLatin1(expected));
        QFile kept(*start.keptDamagedFile());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), original);
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(host.messages[0].contains(*start.keptDamagedFile()));
    }
    SaveAlarms(alarms, file); // whole again: the next start keeps nothing
    AlarmFiring clean(alarms, presenter, clock, host);
    clean.StartupStep(file);
    EXPECT_FALSE(clean.keptDamagedFile());
}

} // namespace
} // namespace horavine::test
