// The alarms joined to the clock's windows: the tick rings through the presentation window, the
// options window drives the editor, and the close-time save takes the editor's check boxes, or the
// list as it stands while no editor has been built.

#include "app/ClockAlarms.h"

#include "../alarms/AlarmTestSupport.h"
#include "ClockWindowFixture.h"
#include "alarms/AlarmFile.h"
#include "alarms/LazyAlarmPresenter.h"
#include "alarms/ui/TfrAlarm.h"
#include "app/SnoozeMenu.h"
#include "app/TfrmZavIro.h"
#include "common/IniFile.h"

#include <QMenu>
#include <QTreeWidget>

namespace horavine::test {
namespace {

class RecordingPresenter : public AlarmPresenter
{
public:
    bool SoundPlaying() const override { return false; }
    bool AlarmShowing() const override { return false; }
    void ShowAlarm(const TAlarmRecord& alarm) override { shown.append(alarm.Name.text()); }
    std::optional<int> ShowAlarmOfferingSnooze(const TAlarmRecord& alarm, int minutes) override
    {
        ShowAlarm(alarm);
        offered.push_back(minutes);
        return snoozeFor;
    }
    QStringList shown;
    std::vector<int> offered;
    std::optional<int> snoozeFor;
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
    writeSettings("[Default]\r\nDigFrm=1\r\n"); // 24-hour read-out
    startWith({daily("Coffee", 10, 11), off}, false);
    for (int second : {3, 4, 5}) {
        clock.set(Moment(10, 11, second));
        window->Timer1Timer();
    }
    EXPECT_EQ(presenter.shown, QStringList{"Coffee"});
    EXPECT_EQ(wiring->editor(), nullptr);

    window->WriteSettings();
    AlarmList saved;
    LoadAlarms(saved, file(QStringLiteral("Alarm/Alarms.cfg")));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].LastRingDate, Day(2026, 12, 9));
    EXPECT_EQ(saved[0].Enabled, 1);
    EXPECT_EQ(saved[1].Enabled, 0);

    // The editor built later shows the list as it rang, in the clock's read-out format.
    options();
    ASSERT_NE(wiring->editor(), nullptr);
    const QTreeWidget* rows = wiring->editor()->lvAlarms;
    ASSERT_EQ(rows->topLevelItemCount(), 2);
    EXPECT_EQ(rows->topLevelItem(0)->text(TfrAlarm::kNextDateColumn), QStringLiteral("10 Dec 2026"));
    EXPECT_EQ(rows->topLevelItem(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(rows->topLevelItem(1)->text(TfrAlarm::kTimeColumn), QStringLiteral("18: 00"));
}

TEST_F(ClockWithAlarms, SnoozesAreListedInTheTrayMenuAndTheLengthIsRemembered)
{
    writeSettings("[Default]\r\nSnoozeMinutes=15\r\n");
    startWith({daily("Coffee", 10, 11)});
    presenter.snoozeFor = 5;
    clock.set(Moment(10, 11, 4));
    window->Timer1Timer();
    EXPECT_EQ(presenter.offered, std::vector<int>{15});
    EXPECT_EQ(IniFile(file(QStringLiteral("horavine.ini"))).ReadInteger("Default", "SnoozeMinutes", 0), 5);
    ASSERT_EQ(wiring->snoozeMenu().entries().size(), 1u);
    QMenu* entry = wiring->snoozeMenu().entries()[0];
    EXPECT_EQ(entry->title(), QStringLiteral("Snoozed: Coffee, rings at 10:16"));
    EXPECT_EQ(window->PopupMenu1->actions().first(), entry->menuAction()); // above the menu's own entries
    entry->actions().first()->trigger(); // "Cancel snooze"
    EXPECT_TRUE(wiring->snoozeMenu().entries().empty() && wiring->firing().snoozes().empty());

    // Switched off in the editor: gone by the time the menu opens, though the record still says on.
    wiring->firing().RingAlarm(0);
    wiring->editor()->lvAlarms->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    Q_EMIT window->PopupMenu1->aboutToShow();
    EXPECT_TRUE(wiring->snoozeMenu().entries().empty() && wiring->firing().snoozes().empty());
}

class GuardedPresenter : public RecordingPresenter
{
public:
    bool SoundPlaying() const override { return true; }
    bool AlarmShowing() const override { return true; }
};

TEST(LazyAlarmPresenter, BuildsTheRealPresenterAtTheFirstAlarmOnly)
{
    int built = 0;
    GuardedPresenter* real = nullptr;
    LazyAlarmPresenter lazy([&] {
        ++built;
        auto made = std::make_unique<GuardedPresenter>();
        real = made.get();
        return made;
    });
    // The guards ask nothing of a presenter that does not exist yet.
    EXPECT_FALSE(lazy.SoundPlaying() || lazy.AlarmShowing() || lazy.built());
    TAlarmRecord alarm;
    for (const char* name : {"First", "Second"}) {
        alarm.Name.setText(QString::fromLatin1(name));
        lazy.ShowAlarm(alarm);
    }
    EXPECT_EQ(built, 1);
    ASSERT_NE(real, nullptr);
    EXPECT_EQ(real->shown, QStringList({QStringLiteral("First"), QStringLiteral("Second")}));
    EXPECT_TRUE(lazy.SoundPlaying() && lazy.AlarmShowing()); // now the real one's guards

    // A factory that builds nothing leaves the alarm unshown instead of failing the tick.
    LazyAlarmPresenter empty([] { return std::unique_ptr<AlarmPresenter>(); });
    empty.ShowAlarm(alarm);
    EXPECT_FALSE(empty.built());
}

} // namespace
} // namespace horavine::test
