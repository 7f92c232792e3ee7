#include "face/ClockSkin.h"
#include "face/FaceGeometry.h"
#include "face/FacePainter.h"
#include "face/FacePictureReference.h"

#include <QImage>
#include <benchmark/benchmark.h>

using namespace horavine;

namespace {

// The tick's steady state: one more picture of the skin and size already on the face.
void BM_DrawFacePicture(benchmark::State& state)
{
    const int size = int(state.range(0));
    const TClockSkin skin = DefaultSkin();
    FacePainter painter;
    QImage picture(size, size, QImage::Format_RGB32);
    painter.draw(picture, skin, HourAngle(10, 10), MinuteAngle(10));
    int minute = 0;
    for (auto _ : state) {
        painter.draw(picture, skin, HourAngle(10, minute), MinuteAngle(minute));
        benchmark::DoNotOptimize(picture.constBits());
        minute = (minute + 1) % 60;
    }
}
BENCHMARK(BM_DrawFacePicture)->Arg(400)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_DrawFacePictureReference(benchmark::State& state)
{
    const int size = int(state.range(0));
    const TClockSkin skin = DefaultSkin();
    QImage picture(size, size, QImage::Format_RGB32);
    int minute = 0;
    for (auto _ : state) {
        reference::DrawFacePicture(picture, skin, HourAngle(10, minute), MinuteAngle(minute));
        benchmark::DoNotOptimize(picture.constBits());
        minute = (minute + 1) % 60;
    }
}
BENCHMARK(BM_DrawFacePictureReference)->Arg(400)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
