// What shaping a face button and filling the picture store cost.
#include "app/Uformres.h"
#include "controls/ShapeRegion.h"
#include "controls/Utrifacebtn.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <benchmark/benchmark.h>

namespace {

const QColor kFuchsia(255, 0, 255);

QImage autorunFace()
{
    static const QImage face = TFormRes(QString(), nullptr).Picture("ImgBtnSetupWizardN");
    return face;
}

// A 600 x 450 picture with rounded corners of radius 24 cut away.
QImage roundedPicture()
{
    QImage picture(600, 450, QImage::Format_RGB888);
    picture.fill(kFuchsia);
    QPainter p(&picture);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(picture.rect()), 24, 24);
    p.fillPath(outline, QColor(30, 92, 170));
    return picture;
}

// The region alone: the 24-bit copy, the runs and their union.
void regionOf(benchmark::State& state, const QImage& face)
{
    for (auto _ : state) {
        const QImage copy = face.convertToFormat(QImage::Format_RGB888);
        benchmark::DoNotOptimize(ShapeRegion::BuildOpaqueRegion(copy, kFuchsia, 0));
    }
}

// The whole reshaping of a button, as a change of TransTolerance sets it off.
void reshapeButton(benchmark::State& state, const QImage& face)
{
    QWidget window;
    TTrifaceBtn button(&window);
    button.SetFace(face);
    button.SetAutoShape(true);
    int tolerance = 0;
    for (auto _ : state) {
        tolerance ^= 1;
        button.SetTransTolerance(tolerance);
    }
}

void BM_Region_AutorunFace_197x32(benchmark::State& state)
{
    regionOf(state, autorunFace());
}
void BM_Region_Rounded_600x450(benchmark::State& state)
{
    regionOf(state, roundedPicture());
}
void BM_Reshape_AutorunFace_197x32(benchmark::State& state)
{
    reshapeButton(state, autorunFace());
}
void BM_Reshape_Rounded_600x450(benchmark::State& state)
{
    reshapeButton(state, roundedPicture());
}

// Start-up of the picture store: all 21 built-in pictures decoded.
void BM_FormRes_Startup(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TFormRes(QString(), nullptr).Picture("ImgBGMain"));
}

BENCHMARK(BM_Region_AutorunFace_197x32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Region_Rounded_600x450)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Reshape_AutorunFace_197x32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Reshape_Rounded_600x450)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormRes_Startup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
