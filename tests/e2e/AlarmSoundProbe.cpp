// Drives the alarm presentation window with the real Qt Multimedia sound, for alarm-sound.sh.
//   alarm_sound_probe plays|silent|unplayable|replay ALARM_FOLDER
// plays:      a picture alarm with Chime.wav for "Sound length" closes by itself when the sound ends.
// silent:     the same alarm without any sound output is shown silently and stays until clicked.
// unplayable: a damaged sound is reported in the error box; the picture stays until clicked.
// replay:     the sound plays to its end, again from its start, and ends a second time.
// Prints one line per check ("ok - ..." or "not ok - ...") and exits 0 when all passed.

#include "alarms/AlarmRecord.h"
#include "alarms/ui/QtAlarmSound.h"
#include "alarms/ui/TfrmShowPic.h"
#include "app/ErrorBox.h"

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace horavine;

namespace {

int failures = 0;

void check(bool passed, const QString& what)
{
    std::printf("%s - %s\n", passed ? "ok" : "not ok", qPrintable(what));
    std::fflush(stdout);
    failures += passed ? 0 : 1;
}

TAlarmRecord ChimeAlarm(const QString& folder, const QString& sound)
{
    TAlarmRecord alarm = TAlarmRecord::zeroed();
    alarm.Enabled = 1;
    alarm.Name.setText(QStringLiteral("Probe"));
    alarm.ShowAudioImage = 1;
    alarm.VisualFile.setText(folder + QStringLiteral("/WakeUp.jpg"));
    alarm.Sound = 1;
    alarm.SoundFile.setText(sound);
    alarm.StaysOn = 0;
    return alarm;
}

// Presents the alarm; `during` runs once the window is up. A window still up after `limit` ms is closed by force.
qint64 Present(TfrmShowPic& window, const TAlarmRecord& alarm, int limit, const std::function<void()>& during)
{
    QTimer step;
    step.setSingleShot(true);
    QObject::connect(&step, &QTimer::timeout, during);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool forced = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        forced = true;
        window.reject();
    });
    step.start(0);
    watchdog.start(limit);
    QElapsedTimer clock;
    clock.start();
    window.ShowAlarm(alarm);
    return forced ? -1 : clock.elapsed();
}

void StaysUntilClicked(TfrmShowPic& window)
{
    QTest::qWait(2500);
    check(window.isVisible() && window.AlarmShowing() && !window.SoundPlaying(),
          QStringLiteral("the picture stays on screen, silent"));
    QTest::mouseClick(window.Image1, Qt::LeftButton);
    check(!window.isVisible(), QStringLiteral("a click closes it"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s plays|silent|unplayable|replay ALARM_FOLDER\n", argv[0]);
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString chime = folder + QStringLiteral("/Chime.wav");
    QStringList errors;
    SetErrorBoxHandler([&errors](const QString& text) {
        errors << text;
        std::printf("# error box: %s\n", qPrintable(text));
    });
    std::printf("# audio outputs: %lld\n", static_cast<long long>(QMediaDevices::audioOutputs().size()));

    if (mode == QLatin1String("replay")) {
        QtAlarmSound sound;
        int ends = 0;
        sound.onEnded = [&] {
            if (++ends == 1)
                sound.replay();
        };
        sound.onError = [&errors](const QString& text) {
            errors << text;
        };
        sound.play(chime);
        QElapsedTimer clock;
        clock.start();
        while (ends < 2 && errors.isEmpty() && clock.elapsed() < 10000)
            QTest::qWait(50);
        check(ends == 2 && errors.isEmpty(),
              QStringLiteral("the sound ends, plays again from its start and ends again (%1 ms)").arg(clock.elapsed()));
        check(clock.elapsed() >= 2800, QStringLiteral("the second play is a whole one"));
        return failures == 0 ? 0 : 1;
    }

    TfrmShowPic window; // the real sound and the desktop's opener
    if (mode == QLatin1String("plays")) {
        bool playing = false;
        const qint64 took = Present(window, ChimeAlarm(folder, chime), 10000, [&] {
            playing = window.SoundPlaying();
            std::printf("# shown, sound playing: %d\n", playing ? 1 : 0);
            std::fflush(stdout);
        });
        check(playing, QStringLiteral("the sound plays while the picture is up"));
        check(took >= 1000 && took < 6000,
              QStringLiteral("the window closes by itself as the sound ends (%1 ms)").arg(took));
        check(errors.isEmpty(), QStringLiteral("no error is reported"));
    } else if (mode == QLatin1String("silent")) {
        Present(window, ChimeAlarm(folder, chime), 10000, [&] { StaysUntilClicked(window); });
        check(errors.isEmpty(), QStringLiteral("no error is reported"));
    } else if (mode == QLatin1String("unplayable")) {
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("Broken.wav"));
        QFile file(broken);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray("RIFF\x10\0\0\0WAVEjunk", 16).repeated(64)) <= 0)
            return 2;
        file.close();
        Present(window, ChimeAlarm(folder, broken), 15000, [&] { StaysUntilClicked(window); });
        check(errors.size() == 1 && errors.value(0).contains(broken),
              QStringLiteral("the error box names the sound file once"));
    } else {
        std::fprintf(stderr, "unknown mode %s\n", argv[1]);
        return 2;
    }
    check(!window.SoundPlaying() && !window.AlarmShowing(), QStringLiteral("both guards are clear afterwards"));
    return failures == 0 ? 0 : 1;
}
