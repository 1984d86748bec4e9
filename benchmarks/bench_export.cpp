// What each export of the file menu costs at design size, from the window's
// latest runs to the file's bytes: the drawing of each page as PNG at 1, 2 and
// 4 times the screen, SVG and PDF, and the results as CSV.
#include "ui/actions/drawing_export.h"
#include "ui/window/form1.h"
#include "core/formats/results_csv.h"

#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

using namespace brelo;

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// One window for every benchmark, after an optical and an ephemeris run.
Form1 &window(int page)
{
    static Form1 *form = [] {
        auto *f = new Form1(&fixedClock);
        f->runOptics();
        f->runEphemeris();
        return f;
    }();
    QTabWidget *tabs = &form->tabs();
    tabs->blockSignals(true);
    tabs->setCurrentIndex(page);
    tabs->blockSignals(false);
    return *form;
}

struct Format {
    DrawingFormat format;
    int scale;
};
const Format kFormats[] = {{DrawingFormat::Png, 1}, {DrawingFormat::Png, 2}, {DrawingFormat::Png, 4},
                           {DrawingFormat::Svg, 1}, {DrawingFormat::Pdf, 1}};

// Arguments: page (0 optics, 2 ephemeris), format index in kFormats.
void BM_exportDrawing(benchmark::State &state)
{
    const Format format = kFormats[state.range(1)];
    const std::optional<PageDrawing> drawing = pageDrawing(window(static_cast<int>(state.range(0))), nullptr);
    if (!drawing) {
        state.SkipWithError("no drawing");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray file = drawingFile(*drawing, format.format, format.scale);
        bytes = static_cast<std::size_t>(file.size());
        benchmark::DoNotOptimize(file.constData());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_exportDrawing)
    ->ArgNames({"page", "format"})
    ->ArgsProduct({{0, 2}, {0, 1, 2, 3, 4}})
    ->Unit(benchmark::kMillisecond);

void BM_exportCsvOptics(benchmark::State &state)
{
    const OpticsRun &run = *window(0).lastOptics();
    const OpticsPanelTexts texts{run.input, run.layout.do2, run.layout.do3a, run.layout.do3b};
    for (auto _ : state)
        benchmark::DoNotOptimize(resultsCsv(texts, run.result, ','));
}
BENCHMARK(BM_exportCsvOptics)->Unit(benchmark::kMicrosecond);

void BM_exportCsvEphemeris(benchmark::State &state)
{
    const EphemerisRun &run = *window(2).lastEphemeris();
    for (auto _ : state)
        benchmark::DoNotOptimize(resultsCsv(run.input, run.result, ','));
}
BENCHMARK(BM_exportCsvEphemeris)->Unit(benchmark::kMicrosecond);

} // namespace
