#include "alarms/AlarmPresentation.h"

#include "FakeAlarmSound.h"
#include "alarms/AlarmMessage.h"

#include <climits>
#include <gtest/gtest.h>

using namespace horavine;
using namespace horavine::test;

namespace {

// One presentation with sound as the window runs it: every second the sound plays on and Timer1
// ticks; an end of play or the timer may close the window, which is FormClose.
struct Presented
{
    qint64 closedOnTick = 0; // 0: still on screen when the run stopped
    int starts = 0;
    int heardToTheEnd = 0;
    bool playingAfterClose = true;
};

Presented Present(int staysOn, int soundLength, qint64 seconds, bool output = true)
{
    FakeAlarmSound sound(soundLength);
    sound.output = output;
    AlarmPresentation presentation(sound);
    bool visible = true;
    qint64 second = 0;
    Presented result;
    auto close = [&] {
        visible = false;
        result.closedOnTick = second;
        presentation.FormClose();
    };
    sound.onEnded = [&] {
        if (presentation.MediaPlayer1Notify(visible))
            close();
    };
    EXPECT_TRUE(presentation.begin());
    presentation.startSound(QStringLiteral("/alarm/chime.wav"), staysOn);
    for (second = 1; second <= seconds && visible; ++second) {
        sound.advance(1);
        if (visible && presentation.timerEnabled() && presentation.Timer1Timer())
            close();
    }
    result.starts = sound.starts;
    result.heardToTheEnd = sound.ended;
    result.playingAfterClose = sound.playing || presentation.SoundPlaying() || presentation.AlarmShowing();
    return result;
}

TEST(AlarmPresentation, StaysOnDecidesHowLongTheSoundKeepsTheWindowUp)
{
    struct Row
    {
        int staysOn;
        int soundLength;
        qint64 closedOnTick;
        int starts;
    };
    const Row rows[] = {
        {0, 10, 10, 1}, // "Sound length": once, closed by the end of the play
        {0, 1, 1, 1},     {1, 10, 62, 7}, // "1 min": six full plays, the seventh cut off on the 62nd tick
        {1, 60, 62, 2}, // a sound as long as the stay plays a second time for two seconds
        {3, 10, 182, 19}, {60, 7, 3602, 515}, {9999, 10, 599942, 59995}, // "Forever": just under seven days
        {-5, 10, 10, 1}, // an absurd negative stay is the sound's length
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "StaysOn " << row.staysOn << ", sound of " << row.soundLength << " s");
        const Presented run = Present(row.staysOn, row.soundLength, 700000);
        EXPECT_EQ(run.closedOnTick, row.closedOnTick);
        EXPECT_EQ(run.starts, row.starts);
        EXPECT_GE(run.heardToTheEnd, row.starts - 1);
        EXPECT_FALSE(run.playingAfterClose);
    }
}

TEST(AlarmPresentation, WithoutSoundOutputTheAlarmStaysUntilClicked)
{
    for (int staysOn : {0, 1, 9999}) {
        const Presented run = Present(staysOn, 10, 5000, /*output=*/false);
        EXPECT_EQ(run.closedOnTick, 0) << staysOn;
        EXPECT_EQ(run.starts, 0) << staysOn;
    }
}

TEST(AlarmPresentation, GuardsKeepASecondPresentationOffAndClosingClearsThem)
{
    FakeAlarmSound sound;
    AlarmPresentation presentation(sound);
    ASSERT_TRUE(presentation.begin());
    EXPECT_TRUE(presentation.AlarmShowing());
    EXPECT_FALSE(presentation.SoundPlaying());
    EXPECT_FALSE(presentation.begin());

    ASSERT_TRUE(presentation.startSound(QStringLiteral("a.wav"), 5));
    EXPECT_TRUE(presentation.SoundPlaying());
    EXPECT_EQ(presentation.SoundSeconds(), 300);
    EXPECT_TRUE(presentation.timerEnabled());
    EXPECT_FALSE(presentation.begin());

    presentation.FormClose();
    EXPECT_FALSE(presentation.SoundPlaying() || presentation.AlarmShowing() || presentation.timerEnabled());
    EXPECT_FALSE(sound.playing);
    EXPECT_FALSE(presentation.Timer1Timer());
    EXPECT_TRUE(presentation.begin());

    // An absurd stay neither wraps round nor overflows.
    presentation.FormClose();
    presentation.begin();
    presentation.startSound(QStringLiteral("a.wav"), INT_MAX);
    EXPECT_EQ(presentation.SoundSeconds(), qint64(INT_MAX) * 60);
}

TEST(AlarmPresentation, AReportOfTheEndAfterClosingChangesNothing)
{
    FakeAlarmSound sound;
    AlarmPresentation presentation(sound);
    presentation.begin();
    presentation.startSound(QStringLiteral("a.wav"), 1);
    presentation.FormClose();
    const int starts = sound.starts;
    EXPECT_FALSE(presentation.MediaPlayer1Notify(false));
    EXPECT_FALSE(presentation.MediaPlayer1Notify(true));
    EXPECT_EQ(sound.starts, starts);

    // Nor does it close the next presentation, one without sound.
    presentation.begin();
    EXPECT_FALSE(presentation.MediaPlayer1Notify(true));
    EXPECT_TRUE(presentation.AlarmShowing());
}

TEST(AlarmPresentation, ASoundThatFailsLeavesAnAlarmWithoutSound)
{
    for (bool refusedAtOnce : {false, true}) {
        SCOPED_TRACE(refusedAtOnce ? "refused as it opens" : "failing while it plays");
        FakeAlarmSound sound;
        sound.refuse = refusedAtOnce;
        AlarmPresentation presentation(sound);
        int reports = 0;
        sound.onError = [&](const QString&) {
            reports += presentation.soundFailed() ? 1 : 0;
        };
        presentation.begin();
        EXPECT_EQ(presentation.startSound(QStringLiteral("bad.wav"), 1), !refusedAtOnce);
        // Players may say it more than once.
        sound.fail(QStringLiteral("bad"));
        sound.fail(QStringLiteral("bad again"));
        EXPECT_EQ(reports, 1);
        EXPECT_FALSE(presentation.SoundPlaying());
        EXPECT_TRUE(presentation.AlarmShowing());
        EXPECT_FALSE(presentation.timerEnabled());
        for (int i = 0; i < 200; ++i)
            EXPECT_FALSE(presentation.Timer1Timer());
        EXPECT_FALSE(presentation.MediaPlayer1Notify(true));
        presentation.FormClose();
        EXPECT_FALSE(presentation.AlarmShowing());
    }
}

TEST(AlarmMessage, TextsOfAlarmsWithoutPicture)
{
    struct Row
    {
        const char* visualFile;
        const char* name;
        const char* label;
    };
    const Row rows[] = {
        {"C:\\Clock\\Alarm\\Call the bank", "Bank", " Call the bank "},
        {"/home/u/Alarm/Call the bank", "Bank", " Call the bank "},
        {"Meeting at 10:30", "Meeting", " 30 "},
        {"Lunch", "Lunch", " Lunch "},
        {"folder/", "x", "  "},
        {"", "Wake", " Rinnnng... (Wake) "},
        {"  \t\r\n ", "Wake", " Rinnnng... (Wake) "},
        {"", "", " Rinnnng... () "},
        {" . ", "Wake", "  .  "},
        {"", "At 7:30", " 30) "}, // the name is part of the message the rule cuts
    };
    for (const Row& row : rows) {
        const QString message = AlarmMessage(QString::fromUtf8(row.visualFile), QString::fromUtf8(row.name));
        EXPECT_EQ(AlarmLabelText(message), QString::fromUtf8(row.label)) << row.visualFile;
    }
    EXPECT_EQ(DocumentFallbackText(QStringLiteral("Wake")), QStringLiteral(" Rinnnng... (Wake)"));
}

} // namespace
