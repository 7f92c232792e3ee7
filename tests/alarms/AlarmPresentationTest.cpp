#include "alarms/AlarmPresentation.h"

#include "FakeAlarmSound.h"
#include "alarms/AlarmMessage.h"

#include <climits>
#include <gtest/gtest.h>

using namespace horavine;
using namespace horavine::test;

namespace {

struct Presented
{
    qint64 closedOnTick = 0; // 0: still up after a week
    int starts = 0;
    bool allClear = false;
};

// One presentation with sound as the window runs it: each second the sound plays on, then Timer1
// ticks; the end of a play or the timer may close the window, which is FormClose.
Presented Present(int staysOn, int soundLength, bool output)
{
    FakeAlarmSound sound(soundLength);
    sound.output = output;
    AlarmPresentation presentation(sound);
    Presented run;
    qint64 second = 0;
    auto close = [&] {
        run.closedOnTick = second;
        presentation.FormClose();
    };
    sound.onEnded = [&] {
        if (presentation.MediaPlayer1Notify(run.closedOnTick == 0))
            close();
    };
    presentation.begin();
    presentation.startSound(QStringLiteral("chime.wav"), staysOn);
    for (second = 1; second <= 7 * 24 * 3600 && run.closedOnTick == 0; ++second) {
        sound.advance(1);
        if (run.closedOnTick == 0 && presentation.timerEnabled() && presentation.Timer1Timer())
            close();
    }
    run.starts = sound.starts;
    run.allClear = !sound.playing && !presentation.SoundPlaying() && !presentation.AlarmShowing();
    return run;
}

TEST(AlarmPresentation, StaysOnDecidesHowLongTheSoundKeepsTheWindowUp)
{
    struct Row
    {
        int staysOn, soundLength;
        bool output;
        qint64 closedOnTick;
        int starts;
    } const rows[] = {
        {0, 10, true, 10, 1}, // "Sound length": once, closed by the end of the play
        {1, 10, true, 62, 7}, // "1 min": six whole plays, the seventh cut off on the 62nd tick
        {1, 60, true, 62, 2},
        {60, 7, true, 3602, 515},
        {9999, 10, true, 599942, 59995}, // "Forever": just under seven days
        {-5, 10, true, 10, 1}, // an absurd negative stay is the sound's length
        {0, 10, false, 0, 0}, // no sound output: silent, up until clicked
        {9999, 10, false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "StaysOn " << row.staysOn << ", " << row.soundLength << " s, output "
                                        << row.output);
        const Presented run = Present(row.staysOn, row.soundLength, row.output);
        EXPECT_EQ(run.closedOnTick, row.closedOnTick);
        EXPECT_EQ(run.starts, row.starts);
        EXPECT_EQ(run.allClear, row.closedOnTick != 0);
    }
}

TEST(AlarmPresentation, GuardsHoldOffASecondPresentationAndALateEndChangesNothing)
{
    FakeAlarmSound sound;
    AlarmPresentation presentation(sound);
    ASSERT_TRUE(presentation.begin());
    EXPECT_FALSE(presentation.begin());
    presentation.startSound(QStringLiteral("a.wav"), INT_MAX);
    EXPECT_EQ(presentation.SoundSeconds(), qint64(INT_MAX) * 60); // no wrap round to a short stay
    EXPECT_TRUE(presentation.SoundPlaying() && presentation.timerEnabled());
    EXPECT_FALSE(presentation.begin());

    presentation.FormClose();
    EXPECT_FALSE(presentation.SoundPlaying() || presentation.AlarmShowing() || presentation.timerEnabled());
    EXPECT_FALSE(sound.playing);
    // The player reports the stop as an end too; it neither replays nor closes the next presentation.
    ASSERT_TRUE(presentation.begin());
    EXPECT_FALSE(presentation.MediaPlayer1Notify(true));
    EXPECT_FALSE(presentation.Timer1Timer());
    EXPECT_EQ(sound.starts, 1);
    EXPECT_TRUE(presentation.AlarmShowing());
}

TEST(AlarmMessage, TextsOfAlarmsWithoutPicture)
{
    struct Row
    {
        const char *visualFile, *name, *label;
    } const rows[] = {
        {"C:\\Clock\\Alarm\\Call the bank", "Bank", " Call the bank "},
        {"/home/u/Alarm/Call the bank", "Bank", " Call the bank "},
        {"Meeting at 10:30", "Meeting", " 30 "},
        {"Lunch", "Lunch", " Lunch "},
        {"folder/", "x", "  "},
        {"", "Wake", " Rinnnng... (Wake) "},
        {"  \t\r\n ", "Wake", " Rinnnng... (Wake) "},
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
