// The designer's costs as a user meets them: one change of a control reaching the clock window's
// pixels, and the gallery preview of "Save skin as..." photographed and encoded.

#include "GuiBenchmarkMain.h"
#include "alarms/AlarmRecord.h"
#include "app/TfrmZavIro.h"
#include "common/Clock.h"
#include "common/Picture.h"
#include "controls/TSpinEdit.h"
#include "designer/TColorButton.h"
#include "designer/TfrmOptions.h"
#include "face/FacePhoto.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace horavine;

namespace {

// The clock and its options window in an empty application folder, past the first tick.
struct DesignedClock
{
    DesignedClock()
        : appDir(dir.path())
        , clock(EncodeDateTime(2026, 12, 9, 10, 10, 30))
    {
        window = std::make_unique<TfrmZavIro>(skin, alarms, appDir, clock, QStringList{QStringLiteral("horavine")});
        window->FormActivate();
        window->Timer1Timer();
        options = &window->optionsWindow();
    }

    QTemporaryDir dir;
    AppDir appDir;
    ManualClock clock;
    SkinState skin;
    AlarmList alarms;
    std::unique_ptr<TfrmZavIro> window;
    TfrmOptions* options = nullptr;
};

void BM_DesignerChangeRepainted(benchmark::State& state)
{
    DesignedClock designed;
    designed.options->seSize->setValue(int(state.range(0)));
    QImage screen(designed.window->size(), QImage::Format_RGB32);
    TColor color = 0x203040;
    for (auto _ : state) {
        color ^= 0x00FF00;
        designed.options->bbHourStC->setColor(color);
        designed.options->TakeSkinFromControls(); // what the colour dialog's OK does
        designed.window->render(&screen); // the window's own paint, as the screen gets it
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_DesignerChangeRepainted)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_GalleryPreviewPhotographedAndEncoded(benchmark::State& state)
{
    DesignedClock designed;
    for (auto _ : state) {
        const QImage photo = designed.options->PhotographClock();
        const QByteArray jpeg = EncodeJpeg(photo, 90);
        benchmark::DoNotOptimize(jpeg.data());
    }
}
BENCHMARK(BM_GalleryPreviewPhotographedAndEncoded)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QApplication>(argc, argv);
}
