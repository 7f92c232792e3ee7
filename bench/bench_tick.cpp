// The clock's tick through ClockFace: an ordinary second (marker, read-out, and a repaint of just
// the areas the tick reports, as the clock window does), a change of minute (the prepared picture
// shown, the next one drawn, the whole face repainted) and a full rebuild.

#include "GuiBenchmarkMain.h"
#include "common/DayCount.h"
#include "face/ClockFace.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <benchmark/benchmark.h>

using namespace horavine;

namespace {

class BenchHost : public ClockFaceHost
{
public:
    TDateTime now = EncodeDateTime(2025, 12, 9, 10, 10, 0);
    TDateTime clockTime() const override { return now; }
    TDateTime realTime() const override { return now; }
    bool clockShown() const override { return true; }
    int digitalFormatIndex() const override { return 0; }
    void faceChanged() override { changed = QRect(0, 0, 10000, 10000); }
    void faceAreasChanged(const std::vector<QRect>& areas) override
    {
        for (const QRect& area : areas)
            changed |= area;
    }
    qreal screenPixelRatio() const override { return ratio; }

    QRegion changed; // since the last paint
    qreal ratio = 1.0;
};

struct TickingClock
{
    explicit TickingClock(int side, qreal ratio = 1.0)
        : face(state, AppDir(QDir::tempPath()), host)
        , target(qRound(side * ratio), qRound(side * ratio), QImage::Format_RGB32)
    {
        target.setDevicePixelRatio(ratio);
        host.ratio = ratio;
        state.CurrentSkin.ClockSize = side;
        face.Timer1Timer();
    }

    void second(double seconds)
    {
        host.now += seconds / 86400.0;
        face.Timer1Timer();
        QPainter painter(&target);
        painter.setClipRegion(host.changed);
        face.paint(painter, host.changed);
        host.changed = QRegion();
    }

    SkinState state;
    BenchHost host;
    ClockFace face;
    QImage target;
};

void BM_TickOrdinarySecond(benchmark::State& state)
{
    // range(1): device pixels per logical pixel, in tenths.
    TickingClock clock(int(state.range(0)), state.range(1) / 10.0);
    // From 10:10:10 to 10:10:30 and back, over and over: never a new picture.
    clock.second(10);
    int tick = 0;
    for (auto _ : state)
        clock.second(tick++ % 40 < 20 ? 1 : -1);
}
BENCHMARK(BM_TickOrdinarySecond)->Args({400, 10})->Args({1000, 10})->Args({400, 20})->Unit(benchmark::kMicrosecond);

void BM_TickNewMinute(benchmark::State& state)
{
    TickingClock clock(int(state.range(0)));
    for (auto _ : state)
        clock.second(60);
}
BENCHMARK(BM_TickNewMinute)->Arg(400)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RebuildFace(benchmark::State& state)
{
    TickingClock clock(int(state.range(0)));
    for (auto _ : state) {
        clock.face.RebuildFace();
        QPainter painter(&clock.target);
        clock.face.paint(painter);
        clock.host.changed = QRegion();
    }
}
BENCHMARK(BM_RebuildFace)->Arg(400)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks(argc, argv);
}
