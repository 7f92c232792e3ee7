// The alarms joined to the clock's windows: the tick rings through the presentation window, the
// options window drives the editor, and the close-time save takes the editor's check boxes, or the
// list as it stands while no editor has been built.

#include "../alarms/AlarmTestSupport.h"
#include "ClockWindowFixture.h"
#include "alarms/AlarmFile.h"
#include "alarms/ui/TfrAlarm.h"
#include "alarms/LazyAlarmPresenter.h"
#include "app/ClockAlarms.h"

#include <QTreeWidget>

namespace horavine::test {
namespace {

class RecordingPresenter : public AlarmPresenter
{
public:
    bool SoundPlaying() const override { return false; }
    bool AlarmShowing() const override { return false; }
    void ShowAlarm(const TAlarmRecord& alarm) override { shown.append(alarm.Name.text()); }
    QStringList shown;
};

class ClockWithAlarms : public ClockWindowFixture
{
protected:
    // The editor exists once the options window is opened; the program opens it only on demand.
    void startWith(AlarmList stored, bool openOptions = true)
    {
        SaveAlarms(stored, file(QStringLiteral("Alarm/Alarms.cfg")));
        start();
        wiring = std::make_unique<ClockAlarms>(alarms, clock, appDir(), *window, presenter);
        wiring->start();
        if (openOptions)
            options();
    }
    void TearDown() override
    {
        wiring.reset();
        ClockWindowFixture::TearDown();
    }

    TAlarmRecord daily(const char* name, int hour, int minute)
    {
        TAlarmRecord alarm = DailyAlarm(Day(2026, 1, 1), 1, AtTime(hour, minute));
        alarm.Name.setText(QString::fromLatin1(name));
        alarm.ShowAudioImage = 1;
        return alarm;
    }

    RecordingPresenter presenter;
    std::unique_ptr<ClockAlarms> wiring;
};

TEST_F(ClockWithAlarms, TheTickRingsAndTheSaveTakesTheEditorsCheckBoxes)
{
    startWith({daily("Coffee", 10, 11), daily("Walk", 18, 0), daily("Early", 6, 0)});
    // Started at 10:10:30: "Early" should have rung at six.
    EXPECT_EQ(messages, QStringList{"Alarm \"Early\" should've rung earlier(at 6: 00 am) today."});
    ASSERT_EQ(wiring->editor()->rowCount(), 3);

    for (int second : {1, 2, 3, 4, 5}) {
        clock.set(Moment(10, 11, second));
        window->Timer1Timer();
    }
    EXPECT_EQ(presenter.shown, QStringList{"Coffee"});
    EXPECT_EQ(alarms[0].LastRingDate, Day(2026, 12, 9));
    EXPECT_EQ(wiring->editor()->lvAlarms->topLevelItem(0)->text(TfrAlarm::kNextDateColumn),
              QStringLiteral("10 Dec 2026"));

    wiring->editor()->lvAlarms->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    window->WriteSettings();
    AlarmList saved;
    LoadAlarms(saved, file(QStringLiteral("Alarm/Alarms.cfg")));
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[1].Enabled, 0);
    EXPECT_EQ(saved[0].LastRingDate, Day(2026, 12, 9));
}

TEST_F(ClockWithAlarms, DoneEndsAnOpenEditAndTheFormatReachesTheEditor)
{
    startWith({daily("Coffee", 19, 5)});
    options()->setDigFormatIndex(1);
    EXPECT_EQ(wiring->editor()->lvAlarms->topLevelItem(0)->text(TfrAlarm::kTimeColumn), QStringLiteral("19: 05"));
    options()->setDigFormatIndex(0);
    EXPECT_EQ(wiring->editor()->lvAlarms->topLevelItem(0)->text(TfrAlarm::kTimeColumn), QStringLiteral("7: 05 pm"));

    wiring->editor()->lvAlarms->setCurrentItem(wiring->editor()->lvAlarms->topLevelItem(0));
    wiring->editor()->tbNewAlarmClick();
    ASSERT_TRUE(wiring->editor()->isEditing());
    options()->bbDoneClick();
    EXPECT_FALSE(wiring->editor()->isEditing());
    AlarmList saved;
    LoadAlarms(saved, file(QStringLiteral("Alarm/Alarms.cfg")));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].Name.text(), QStringLiteral("New Alarm"));
}

TEST_F(ClockWithAlarms, AlarmsRingAndAreSavedBeforeTheEditorExists)
{
    TAlarmRecord off = daily("Walk", 18, 0);
    off.Enabled = 0;
    startWith({daily("Coffee", 10, 11), off, daily("Early", 6, 0)}, false);
    EXPECT_EQ(messages, QStringList{"Alarm \"Early\" should've rung earlier(at 6: 00 am) today."});
    EXPECT_EQ(wiring->editor(), nullptr);
    for (int second : {3, 4, 5}) {
        clock.set(Moment(10, 11, second));
        window->Timer1Timer();
    }
    EXPECT_EQ(presenter.shown, QStringList{"Coffee"});
    EXPECT_EQ(wiring->editor(), nullptr);

    window->WriteSettings();
    AlarmList saved;
    LoadAlarms(saved, file(QStringLiteral("Alarm/Alarms.cfg")));
    ASSERT_EQ(saved.size(), 3u);
    const struct
    {
        const char* name;
        int enabled;
        double lastRing; // 0: not looked at
    } expected[] = {{"Coffee", 1, Day(2026, 12, 9)}, {"Walk", 0, 0.0}, {"Early", 1, 0.0}};
    for (std::size_t i = 0; i < saved.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(saved[i].Name.text(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(saved[i].Enabled, expected[i].enabled);
        if (expected[i].lastRing != 0.0) {
            EXPECT_EQ(saved[i].LastRingDate, expected[i].lastRing);
        }
    }

    // The editor built later shows the list as it rang, in the read-out format of the clock.
    options()->setDigFormatIndex(1);
    ASSERT_NE(wiring->editor(), nullptr);
    ASSERT_EQ(wiring->editor()->rowCount(), 3);
    QTreeWidget* rows = wiring->editor()->lvAlarms;
    EXPECT_EQ(rows->topLevelItem(0)->text(TfrAlarm::kNextDateColumn), QStringLiteral("10 Dec 2026"));
    EXPECT_EQ(rows->topLevelItem(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(rows->topLevelItem(1)->text(TfrAlarm::kTimeColumn), QStringLiteral("18: 00"));
}

TEST_F(ClockWithAlarms, TheEditorOpensInTheFormatTheClockKept)
{
    const struct
    {
        const char* ini;
        const char* shown;
    } rows[] = {{"[Default]\r\nDigFrm=1\r\n", "19: 05"}, {"[Default]\r\nDigFrm=0\r\n", "7: 05 pm"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ini);
        writeSettings(row.ini);
        startWith({daily("Coffee", 19, 5)}, false);
        options();
        ASSERT_NE(wiring->editor(), nullptr);
        EXPECT_EQ(wiring->editor()->lvAlarms->topLevelItem(0)->text(TfrAlarm::kTimeColumn),
                  QString::fromLatin1(row.shown));
        wiring.reset();
        window.reset();
        alarms.clear();
    }
}

class CountingPresenter : public AlarmPresenter
{
public:
    explicit CountingPresenter(QStringList& shown)
        : m_shown(shown)
    {
    }
    bool SoundPlaying() const override { return playing; }
    bool AlarmShowing() const override { return showing; }
    void ShowAlarm(const TAlarmRecord& alarm) override { m_shown.append(alarm.Name.text()); }
    bool playing = true;
    bool showing = true;

private:
    QStringList& m_shown;
};

TEST(LazyAlarmPresenter, BuildsTheRealPresenterAtTheFirstAlarmOnly)
{
    QStringList shown;
    int built = 0;
    LazyAlarmPresenter lazy([&] {
        ++built;
        return std::make_unique<CountingPresenter>(shown);
    });
    // The guards ask nothing of a presenter that does not exist yet.
    EXPECT_FALSE(lazy.SoundPlaying());
    EXPECT_FALSE(lazy.AlarmShowing());
    EXPECT_FALSE(lazy.built());
    EXPECT_EQ(built, 0);

    TAlarmRecord alarm;
    for (const char* name : {"First", "Second"}) {
        alarm.Name.setText(QString::fromLatin1(name));
        lazy.ShowAlarm(alarm);
    }
    EXPECT_EQ(built, 1);
    EXPECT_EQ(shown, QStringList({QStringLiteral("First"), QStringLiteral("Second")}));
    EXPECT_TRUE(lazy.SoundPlaying()); // now the real one's guards
    EXPECT_TRUE(lazy.AlarmShowing());

    // A factory that builds nothing leaves the alarm unshown instead of failing the tick.
    LazyAlarmPresenter empty([] { return std::unique_ptr<AlarmPresenter>(); });
    empty.ShowAlarm(alarm);
    EXPECT_FALSE(empty.built());
    EXPECT_FALSE(empty.AlarmShowing());
}

} // namespace
} // namespace horavine::test
