// The alarm window must be on screen within 100 ms of ShowAlarm for a picture alarm (the shipped
// 320 × 240 wake-up picture, no sound), so the alarm appears at the second it is due.

#include "GuiBenchmarkMain.h"
#include "alarms/AlarmRecord.h"
#include "alarms/ui/TfrmShowPic.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace horavine;

namespace {

class SilentSound : public AlarmSound
{
public:
    bool outputAvailable() const override { return false; }
    void play(const QString&) override { }
    void replay() override { }
    void stop() override { }
};

class NoOpener : public DocumentOpener
{
public:
    bool open(const QString&) override { return false; }
};

// Notes when the window is shown and closes it again from its own loop.
class ShownWatch : public QObject
{
public:
    explicit ShownWatch(TfrmShowPic& window)
        : m_window(window)
    {
        window.installEventFilter(this);
    }
    QElapsedTimer clock;
    qint64 shownAfter = -1; // nanoseconds

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show) {
            shownAfter = clock.nsecsElapsed();
            QMetaObject::invokeMethod(&m_window, &TfrmShowPic::Image1Click, Qt::QueuedConnection);
        }
        return false;
    }

private:
    TfrmShowPic& m_window;
};

void BM_ShowAlarmUntilShown(benchmark::State& state)
{
    TAlarmRecord alarm = TAlarmRecord::zeroed();
    alarm.Enabled = 1;
    alarm.Name.setText(QStringLiteral("Wake"));
    alarm.ShowAudioImage = 1;
    alarm.VisualFile.setText(QStringLiteral(HORAVINE_SOURCE_DIR "/data/Alarm/WakeUp.jpg"));
    alarm.Sound = 1;
    alarm.SoundFile.setText(QStringLiteral(HORAVINE_SOURCE_DIR "/data/Alarm/Chime.wav"));

    TfrmShowPic window(std::make_unique<SilentSound>(), std::make_unique<NoOpener>());
    ShownWatch watch(window);
    for (auto _ : state) {
        watch.shownAfter = -1;
        watch.clock.start();
        window.ShowAlarm(alarm);
        if (watch.shownAfter < 0 || window.AlarmShowing()) {
            state.SkipWithError("the window was not shown and closed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::nanoseconds(watch.shownAfter)).count());
    }
}
BENCHMARK(BM_ShowAlarmUntilShown)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QApplication>(argc, argv);
}
