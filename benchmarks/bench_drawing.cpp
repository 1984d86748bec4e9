// The two drawings into the Qt picture areas at design size, as an event runs
// them: a clear and a full redraw. Target: each under 0.5 ms median.
#include "core/drawing/disc_drawing.h"
#include "core/drawing/layout_drawing.h"
#include "ui/widgets/picture_area.h"
#include "core/drawing/recording_canvas.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace brelo;

void BM_dessin(benchmark::State &state)
{
    PictureArea area(QColor(255, 128, 128), {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
    OpticalState optics;
    optics.foco3b = "300";
    optics.distb = 248.19277108433735;
    optics.distc = 264.70588235294116;
    const LayoutInput input{"1000", "90", "50", "30", "50", "50"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(dessin(area, input, optics, -2000, true, '.'));
        benchmark::DoNotOptimize(area.image().constBits());  // the picture as the screen gets it
    }
}
BENCHMARK(BM_dessin)->Unit(benchmark::kMicrosecond);

void BM_dessinephem(benchmark::State &state)
{
    PictureArea area(QColor(128, 0, 0), {kDiscInnerTwips, kDiscInnerTwips});
    setDiscUserScale(area);
    for (auto _ : state) {
        dessinephem(area, 20.0f, 5.0f);
        benchmark::DoNotOptimize(area.image().constBits());
    }
}
BENCHMARK(BM_dessinephem)->Unit(benchmark::kMicrosecond);

// The geometry alone, to tell the computation from the painting.
void BM_dessinephemGeometry(benchmark::State &state)
{
    for (auto _ : state) {
        RecordingCanvas canvas(kDiscInnerTwips, kDiscInnerTwips);
        dessinephem(canvas, 20.0f, 5.0f);
        benchmark::DoNotOptimize(canvas.ops().data());
    }
}
BENCHMARK(BM_dessinephemGeometry)->Unit(benchmark::kMicrosecond);

} // namespace
