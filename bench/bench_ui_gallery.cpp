// The gallery page's grid: 100 skins with 300 × 300 previews, as the save road writes them, must come up within
// 150 ms of choosing the tab.

#include "common/AppDir.h"
#include "common/Picture.h"
#include "designer/TfmGallery.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "GuiBenchmarkMain.h"

using namespace horavine;

namespace {

// A face-like preview: colour rings on the gallery blue, so the JPEG holds as much detail as a real one.
QImage preview(int seed)
{
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(QColor(0x33, 0x66, 0x99));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient rings(150, 150, 150);
    for (int i = 0; i <= 10; ++i)
        rings.setColorAt(i / 10.0, QColor::fromHsv((seed * 37 + i * 29) % 360, 200, 120 + (i * 13) % 130));
    painter.setBrush(rings);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(QRectF(4, 4, 292, 292));
    return image;
}

void BM_BuildThumbnails(benchmark::State& state)
{
    QTemporaryDir app;
    const QString folder = app.path() + QStringLiteral("/Skins/Bench/");
    QDir().mkpath(folder);
    for (int i = 0; i < 100; ++i) {
        const QString name = folder + QStringLiteral("skin%1").arg(i, 3, 10, QLatin1Char('0'));
        SaveJpeg(preview(i), name + QStringLiteral(".jpg"));
        QFile skin(name + QStringLiteral(".clk"));
        if (!skin.open(QIODevice::WriteOnly) || skin.write(QByteArray(444, '\0')) != 444) {
            state.SkipWithError("cannot write the gallery");
            return;
        }
    }

    TfmGallery frame{AppDir(app.path())};
    frame.resize(420, 500);
    frame.show();
    frame.RefreshGalleryTabs();
    for (auto _ : state) {
        frame.BuildThumbnails();
        state.PauseTiming();
        if (frame.thumbnailCount() != 100)
            state.SkipWithError("the grid is not complete");
        QCoreApplication::processEvents(); // the repaint of the new grid, outside the measured build
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QApplication>(argc, argv);
}
