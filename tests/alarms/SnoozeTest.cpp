// Snoozed alarms with a presentation window that answers as the test tells it, and a clock the
// tests set: when they ring again, when they count as rung, and what outlives a restart.

#include "AlarmTestSupport.h"
#include "alarms/AlarmFile.h"
#include "alarms/AlarmFiring.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

TAlarmRecord Named(TAlarmRecord alarm, const char* name)
{
    alarm.Name.setText(QString::fromLatin1(name));
    alarm.ShowAudioImage = 1;
    return alarm;
}
TAlarmRecord Daily(const char* name, int hour, int minute)
{
    return Named(DailyAlarm(Day(2026, 1, 1), 1, AtTime(hour, minute)), name);
}

// The fixture is the presentation window and the host: each presentation takes the next answer,
// minutes to snooze for or 0 to close; a document alarm, offered no snooze, is recorded with a "!".
class Snoozing : public ::testing::Test, public AlarmPresenter, public AlarmFiringHost
{
protected:
    bool SoundPlaying() const override { return false; }
    bool AlarmShowing() const override { return false; }
    void ShowAlarm(const TAlarmRecord& alarm) override { shown.append(alarm.Name.text() + QStringLiteral("!")); }
    std::optional<int> ShowAlarmOfferingSnooze(const TAlarmRecord& alarm, int minutes) override
    {
        shown.append(alarm.Name.text());
        offered.push_back(minutes);
        const int answer = answers.empty() ? 0 : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer > 0 ? std::optional<int>(answer) : std::nullopt;
    }
    void showMessage(const QString& text) override { messages.append(text); }
    bool switchedOffInEditor(int index) const override { return index == uncheckedRow; }

    // The clock (re)started at that moment over the alarms as saved, answering as given.
    void startAt(int hour, int minute, std::deque<int> given = {})
    {
        SaveAlarms(alarms, alarmFile);
        answers = std::move(given);
        messages.clear();
        clock.set(At(2026, 12, 9, hour, minute));
        firing = std::make_unique<AlarmFiring>(alarms, *this, clock, *this,
                                               FormatSettings::fromLocale(QLocale(QLocale::English)));
        firing->StartupStep(alarmFile);
    }
    void tick(int hour, int minute, int second = 4)
    {
        clock.set(At(2026, 12, 9, hour, minute, second));
        firing->TickHook(clock.now());
    }

    QTemporaryDir dir;
    QString alarmFile = dir.filePath(QStringLiteral("Alarms.cfg"));
    QString snoozeFile = dir.filePath(QStringLiteral("Snoozes.cfg"));
    ManualClock clock;
    AlarmList alarms;
    std::unique_ptr<AlarmFiring> firing;
    std::deque<int> answers;
    std::vector<int> offered;
    QStringList shown, messages;
    int uncheckedRow = -1;
};

TEST_F(Snoozing, ASnoozedAlarmRingsAgainWhenItsMinutesAreUpAndCountsAsRungOnlyWhenClosed)
{
    for (int minutes : kSnoozeChoices) {
        SCOPED_TRACE(minutes);
        alarms = {Daily("Wake", 7, 30), Daily("Tea", 7, 30)};
        shown.clear(), offered.clear();
        startAt(7, 29, {minutes}); // Wake snoozed; Tea, then Wake again, closed
        tick(7, 30, 4);
        tick(7, 30, 5); // its schedule does not find the snoozed alarm again: the next one rings
        for (int second = 6; second < minutes * 60 + 4; second += 7)
            tick(7, 30 + second / 60, second % 60);
        EXPECT_EQ(shown, (QStringList{"Wake", "Tea"}));
        EXPECT_EQ(alarms[0].LastRingDate, 0.0);
        tick(7, 30 + minutes);
        EXPECT_EQ(shown, (QStringList{"Wake", "Tea", "Wake"}));
        EXPECT_EQ(offered, (std::vector<int>{10, minutes, minutes})); // the last choice
        EXPECT_EQ(alarms[0].LastRingDate, Day(2026, 12, 9));
        EXPECT_TRUE(firing->snoozes().empty() && !QFile::exists(snoozeFile));
    }
}

TEST_F(Snoozing, ClosedAfterSnoozesADeleteAfterPlayingAlarmGoesOnceAndDocumentsHaveNoSnooze)
{
    TAlarmRecord once = Named(OnceAlarm(Day(2026, 12, 9), AtTime(7, 30)), "Once");
    once.DeleteAfterPlaying = 1;
    TAlarmRecord document = Daily("Doc", 7, 45);
    document.ShowAudioImage = 0;
    alarms = {once, document, Daily("Later", 9, 0)};
    startAt(7, 29, {5, 5, 0});
    for (int minute : {30, 35, 40, 41, 45})
        tick(7, minute);
    EXPECT_EQ(shown, (QStringList{"Once", "Once", "Once", "Doc!"}));
    ASSERT_EQ(alarms.size(), 2u); // only the one-time alarm went
    EXPECT_EQ(alarms[1].Name.text(), QStringLiteral("Later"));
}

TEST_F(Snoozing, ASnoozeOutlivesARestartAndASleepRingingOnceAtOnce)
{
    TAlarmRecord expiring = Named(OnceAlarm(Day(2026, 12, 9), AtTime(7, 30)), "Once");
    expiring.DeleteAfterExpiration = 1;
    alarms = {expiring};
    startAt(7, 29, {15});
    tick(7, 30);
    startAt(7, 40); // neither reported as missed nor removed as expired
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(alarms.size(), 1u);
    tick(7, 44);
    EXPECT_EQ(shown.size(), 1);
    tick(9, 20); // the machine slept across the snooze's end
    tick(9, 20, 5);
    EXPECT_EQ(shown, (QStringList{"Once", "Once"}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Snoozing, DeletingChangingOrSwitchingOffTheAlarmCancelsItsSnooze)
{
    struct Row
    {
        const char* what;
        std::function<void(AlarmList&, int&)> edit;
        QStringList rings; // after the snooze's minutes
    } const rows[] = {
        {"an alarm before it deleted", [](auto& a, auto&) { a.erase(a.begin()); }, {"Wake"}},
        {"it deleted", [](auto& a, auto&) { a.erase(a.begin() + 1); }, {}},
        {"it changed", [](auto& a, auto&) { a[1].AlarmTime = AtTime(8, 0); }, {}},
        {"its check box cleared", [](auto&, int& unchecked) { unchecked = 1; }, {}},
        {"its record switched off", [](auto& a, auto&) { a[1].Enabled = 0; }, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        alarms = {Daily("Other", 9, 0), Daily("Wake", 7, 30)};
        uncheckedRow = -1;
        startAt(7, 29, {10});
        tick(7, 30);
        row.edit(alarms, uncheckedRow);
        shown.clear();
        tick(7, 40, 10);
        EXPECT_EQ(shown, row.rings);
        EXPECT_TRUE(firing->snoozes().empty());
    }
}

TEST_F(Snoozing, ADamagedOrStaleSnoozeFileIsIgnoredSilentlyAndRemoved)
{
    alarms = {Daily("Wake", 7, 30)};
    std::vector<Snooze> good{{alarms[0], 0, At(2026, 12, 9, 7, 30, 5), At(2026, 12, 9, 7, 40, 5)}};
    std::vector<Snooze> yesterday = good, otherAlarm = good;
    yesterday[0].snoozedAt -= 1.0, yesterday[0].ringsAt -= 1.0;
    otherAlarm[0].alarm.Name.setText(QStringLiteral("Other"));
    const QByteArray bytes = SnoozeFileBytes(good);
    const auto changed = [&](qsizetype at, const QByteArray& with) {
        return QByteArray(bytes).replace(at, with.size(), with);
    };
    const std::pair<QByteArray, bool> rows[] = {
        {bytes, true},
        {bytes.left(bytes.size() - 1), false}, // cut short
        {QByteArray(712, 'x'), false},
        {changed(32, QByteArray(8, '\x7f')), false}, // a length that is none of the choices
        {changed(12, QByteArray("\x02\0\0\0", 4)), false}, // a count the size does not hold
        {SnoozeFileBytes(yesterday), false},
        {SnoozeFileBytes(otherAlarm), false},
    };
    for (const auto& [file, kept] : rows) {
        QFile out(snoozeFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        startAt(7, 35);
        EXPECT_EQ(firing->snoozes().entries().size(), kept ? 1u : 0u);
        EXPECT_EQ(QFile::exists(snoozeFile), kept);
        // Nothing about the file; without its snooze the alarm is the ordinary missed one.
        EXPECT_EQ(messages.size(), kept ? 0 : 1);
    }
}

} // namespace
} // namespace horavine::test
