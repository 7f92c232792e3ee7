// Painting the face surface: what every tick costs, and what a new minute's picture or a change
// of the overlay costs on top.

#include "face/FaceGeometry.h"
#include "face/FacePicture.h"
#include "face/FaceStyle.h"
#include "face/FaceSurface.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "GuiBenchmarkMain.h"
#include <cmath>

using namespace horavine;

namespace {

// The default skin's face at 3:00 with an 80 % transparent cross hatch, the marker and the read-out.
struct PaintedFace
{
    explicit PaintedFace(int side)
        : surface(QSize(side, side))
        , target(side, side, QImage::Format_RGB32)
    {
        const TClockSkin skin = DefaultSkin();
        for (int i = 0; i < 2; ++i) {
            pictures[i] = QImage(side, side, QImage::Format_RGB32);
            DrawFacePicture(pictures[i], skin, HourAngle(3, i), MinuteAngle(i));
        }
        surface.setBackImage(pictures[0]);
        surface.ColorBand().Brush.Style = bsCross;
        surface.ColorBand().Brush.Color = 0;
        surface.ColorBand().Transparency = 80;
        surface.srsSec().setPoint(0, 55, 5);
        surface.srsSec().PointerStyle = psCircle;
        surface.srsSec().FillStyle = bsClear;
        surface.srsDigit().setPoint(0, QStringLiteral("3:00:00 AM"));
        ApplyReadoutStyle(skin, surface, 96);
    }

    // One tick: the marker moves, the label changes, the whole surface is painted.
    void tick(int second)
    {
        const double a = M_PI / 2 - second * M_PI / 30;
        surface.srsSec().X = std::cos(a) * 55;
        surface.srsSec().Y = std::sin(a) * 55;
        surface.srsDigit().Label = QStringLiteral("3:00:%1 AM").arg(second % 60, 2, 10, QLatin1Char('0'));
        QPainter painter(&target);
        surface.paint(painter);
    }

    FaceSurface surface;
    QImage pictures[2];
    QImage target;
};

void BM_SurfacePaint(benchmark::State& state)
{
    PaintedFace face(int(state.range(0)));
    int second = 0;
    for (auto _ : state) {
        face.tick(second++);
        benchmark::DoNotOptimize(face.target.constBits());
    }
}
BENCHMARK(BM_SurfacePaint)->Arg(400)->Arg(1000)->Unit(benchmark::kMillisecond);

// One tick as the clock window paints it: only where the marker and the read-out were and are.
void BM_SurfacePaintTickAreas(benchmark::State& state)
{
    PaintedFace face(int(state.range(0)));
    int second = 0;
    for (auto _ : state) {
        QRegion areas = QRegion(face.surface.markerBounds()) + face.surface.readoutBounds();
        const double a = M_PI / 2 - second * M_PI / 30;
        face.surface.srsSec().X = std::cos(a) * 55;
        face.surface.srsSec().Y = std::sin(a) * 55;
        face.surface.srsDigit().Label = QStringLiteral("3:00:%1 AM").arg(second++ % 60, 2, 10, QLatin1Char('0'));
        areas += QRegion(face.surface.markerBounds()) + face.surface.readoutBounds();
        QPainter painter(&face.target);
        painter.setClipRegion(areas);
        face.surface.paint(painter, areas);
        benchmark::DoNotOptimize(face.target.constBits());
    }
}
BENCHMARK(BM_SurfacePaintTickAreas)->Arg(400)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The first tick of a minute: the prepared picture replaces the face, so the overlay is mixed again.
void BM_SurfacePaintNewPicture(benchmark::State& state)
{
    PaintedFace face(int(state.range(0)));
    int second = 0;
    for (auto _ : state) {
        face.surface.setBackImage(face.pictures[second % 2]);
        face.tick(second++);
        benchmark::DoNotOptimize(face.target.constBits());
    }
}
BENCHMARK(BM_SurfacePaintNewPicture)->Arg(400)->Arg(1000)->Unit(benchmark::kMillisecond);

// The texture editor changing the brush colour: the overlay layer is painted and mixed again.
void BM_SurfacePaintNewOverlay(benchmark::State& state)
{
    PaintedFace face(int(state.range(0)));
    int second = 0;
    for (auto _ : state) {
        face.surface.ColorBand().Brush.Color = TColor(second & 0xFF);
        face.tick(second++);
        benchmark::DoNotOptimize(face.target.constBits());
    }
}
BENCHMARK(BM_SurfacePaintNewOverlay)->Arg(400)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks(argc, argv);
}
