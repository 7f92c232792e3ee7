// Drives the alarm window with the real Qt Multimedia sound, for alarm-sound.sh:
//   alarm_sound_probe plays|replay|unplayable|silent ALARM_FOLDER
// plays:      a picture alarm with Chime.wav for "Sound length" closes by itself when the chime ends.
// replay:     the chime plays to its end, again from its start, and ends a second time.
// unplayable: a damaged sound is reported once; the picture stays, silent, until clicked.
// silent:     with no sound output the alarm shows silently and stays until clicked.
// Prints "ok - ..." or "not ok - ..." per check and exits 0 when all passed.

#include "alarms/ui/TfrmShowPic.h"
#include "controls/ErrorBox.h"
#include "sound/QtAlarmSound.h"

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

// Presents a picture alarm with the sound for "Sound length"; `during` runs once the window is up.
// Returns the milliseconds it stayed, or -1 when it had to be closed by force after ten seconds.
qint64 Present(TfrmShowPic& window, const QString& folder, const QString& sound, const std::function<void()>& during)
{
    TAlarmRecord alarm = TAlarmRecord::zeroed();
    alarm.ShowAudioImage = 1;
    alarm.VisualFile.setText(folder + QStringLiteral("/WakeUp.jpg"));
    alarm.Sound = 1;
    alarm.SoundFile.setText(sound);
    QTimer step, watchdog; // ended with this call, so none fires after it
    step.setSingleShot(true);
    watchdog.setSingleShot(true);
    QObject::connect(&step, &QTimer::timeout, during);
    bool forced = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        forced = true;
        window.reject();
    });
    step.start(0);
    watchdog.start(10000);
    QElapsedTimer clock;
    clock.start();
    window.ShowAlarm(alarm);
    return forced ? -1 : clock.elapsed();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString mode = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString folder = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
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
        QElapsedTimer clock;
        clock.start();
        sound.play(chime);
        while (ends < 2 && errors.isEmpty() && clock.elapsed() < 10000)
            QTest::qWait(50);
        check(ends == 2 && errors.isEmpty() && clock.elapsed() >= 2800,
              QStringLiteral("the chime ends, plays again whole from its start and ends again (%1 ms)")
                  .arg(clock.elapsed()));
        return failures == 0 ? 0 : 1;
    }

    TfrmShowPic window; // the real sound and the desktop's opener
    auto staysUntilClicked = [&window] {
        QTest::qWait(2500);
        check(window.isVisible() && window.AlarmShowing() && !window.SoundPlaying(),
              QStringLiteral("the picture stays on screen, silent"));
        QTest::mouseClick(window.Image1, Qt::LeftButton);
        check(!window.isVisible(), QStringLiteral("a click closes it"));
    };
    if (mode == QLatin1String("plays")) {
        bool playing = false;
        const qint64 took = Present(window, folder, chime, [&] { playing = window.SoundPlaying(); });
        check(playing, QStringLiteral("the chime plays while the picture is up"));
        check(took >= 1000 && took < 6000,
              QStringLiteral("the window closes by itself as the chime ends (%1 ms)").arg(took));
        check(errors.isEmpty(), QStringLiteral("no error is reported"));
    } else if (mode == QLatin1String("unplayable")) {
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("Broken.wav"));
        QFile file(broken);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray("RIFF\x10\0\0\0WAVEjunk", 16).repeated(64)) <= 0)
            return 2;
        file.close();
        Present(window, folder, broken, staysUntilClicked);
        check(errors.size() == 1 && errors.value(0).contains(broken),
              QStringLiteral("the error box names the file once"));
    } else if (mode == QLatin1String("silent")) {
        Present(window, folder, chime, staysUntilClicked);
        check(errors.isEmpty(), QStringLiteral("no error is reported"));
    } else {
        std::fprintf(stderr, "usage: %s plays|replay|unplayable|silent ALARM_FOLDER\n", argv[0]);
        return 2;
    }
    check(!window.SoundPlaying() && !window.AlarmShowing(), QStringLiteral("both guards are clear afterwards"));
    return failures == 0 ? 0 : 1;
}
