// The clock's tick through ClockFace: an ordinary second (marker, read-out, paint over the cached
// face), a change of minute (the prepared picture shown, the next one drawn) and a full rebuild.

#include "common/DayCount.h"
#include "face/ClockFace.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "GuiBenchmarkMain.h"

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
};

struct TickingClock
{
    explicit TickingClock(int side)
        : face(state, AppDir(QDir::tempPath()), host)
        , target(side, side, QImage::Format_RGB32)
    {
        state.CurrentSkin.ClockSize = side;
        face.Timer1Timer();
    }

    void second(double seconds)
    {
        host.now += seconds / 86400.0;
        face.Timer1Timer();
        QPainter painter(&target);
        face.paint(painter);
    }

    SkinState state;
    BenchHost host;
    ClockFace face;
    QImage target;
};

void BM_TickOrdinarySecond(benchmark::State& state)
{
    TickingClock clock(int(state.range(0)));
    int second = 0;
    for (auto _ : state) {
        // Back and forth within one minute: never a new picture.
        clock.second(++second % 50 < 25 ? 1 : -1);
    }
}
BENCHMARK(BM_TickOrdinarySecond)->Arg(400)->Arg(1000)->Unit(benchmark::kMicrosecond);

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
    }
}
BENCHMARK(BM_RebuildFace)->Arg(400)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks(argc, argv);
}
