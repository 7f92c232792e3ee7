// The alarms joined to the clock's windows: the tick rings through the presentation window, the
// options window drives the editor, and the close-time save takes the editor's check boxes.

#include "../alarms/AlarmTestSupport.h"
#include "ClockWindowFixture.h"
#include "alarms/AlarmFile.h"
#include "alarms/ui/TfrAlarm.h"
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
    void startWith(AlarmList stored)
    {
        SaveAlarms(stored, file(QStringLiteral("Alarm/Alarms.cfg")));
        start();
        wiring = std::make_unique<ClockAlarms>(alarms, clock, appDir(), *window, *options, presenter);
        wiring->start();
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
    options->setDigFormatIndex(1);
    EXPECT_EQ(wiring->editor()->lvAlarms->topLevelItem(0)->text(TfrAlarm::kTimeColumn), QStringLiteral("19: 05"));
    options->setDigFormatIndex(0);
    EXPECT_EQ(wiring->editor()->lvAlarms->topLevelItem(0)->text(TfrAlarm::kTimeColumn), QStringLiteral("7: 05 pm"));

    wiring->editor()->lvAlarms->setCurrentItem(wiring->editor()->lvAlarms->topLevelItem(0));
    wiring->editor()->tbNewAlarmClick();
    ASSERT_TRUE(wiring->editor()->isEditing());
    options->bbDoneClick();
    EXPECT_FALSE(wiring->editor()->isEditing());
    AlarmList saved;
    LoadAlarms(saved, file(QStringLiteral("Alarm/Alarms.cfg")));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].Name.text(), QStringLiteral("New Alarm"));
}

} // namespace
} // namespace horavine::test
