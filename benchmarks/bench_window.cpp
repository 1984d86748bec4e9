// Speed of the window's events, measured through Form1 as a user drives it: a
// click, the computation, the drawing, the label and list updates, the repaint.

#include "app/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTabWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

using brelo::Form1;

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

void clickAndRepaint(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    QApplication::processEvents();
}

// Heap bytes in use (glibc); resident memory would hide reused free pages.
long heapBytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}

void opticsEvent(benchmark::State &state, int earlierRuns)
{
    Form1 form(&fixedClock);
    form.show();
    QApplication::processEvents();
    const long before = heapBytesInUse();
    for (int run = 0; run < earlierRuns; ++run)
        form.runOptics();
    QApplication::processEvents();
    if (earlierRuns > 0)  // what the two yearly lists keep per run
        state.counters["bytesPerRun"] = double(heapBytesInUse() - before) / earlierRuns;
    auto *calc = static_cast<QAbstractButton *>(form.control(QStringLiteral("Cmdcalc")));
    for (auto _ : state)
        clickAndRepaint(calc);
    state.counters["runs"] = form.yearlyRuns();
}

void BM_OpticsEvent(benchmark::State &state) { opticsEvent(state, 0); }
void BM_OpticsEventAfter100000Runs(benchmark::State &state) { opticsEvent(state, 100'000); }

void BM_EphemerisEvent(benchmark::State &state)
{
    Form1 form(&fixedClock);
    form.show();
    static_cast<QTabWidget *>(form.control(QStringLiteral("SSTab1")))->setCurrentIndex(2);
    QApplication::processEvents();
    auto *calc = static_cast<QAbstractButton *>(form.control(QStringLiteral("Command2")));
    for (auto _ : state)
        clickAndRepaint(calc);
}

BENCHMARK(BM_OpticsEvent)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpticsEventAfter100000Runs)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_EphemerisEvent)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

#ifdef BRELO_DRIVE
// The scenario driver with an empty script: process start, window, exit. (Its
// peak memory is read with /usr/bin/time -v: the children's rusage counts the
// forked copy of this process before the exec.)
void BM_DriverStartup(benchmark::State &state)
{
    for (auto _ : state) {
        QProcess driver;
        QElapsedTimer timer;
        timer.start();
        driver.start(QStringLiteral(BRELO_DRIVE), {QStringLiteral("--clock"), QStringLiteral("2026-03-06T09:05")});
        driver.closeWriteChannel();
        driver.waitForFinished(30'000);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_DriverStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)
    ->ReportAggregatesOnly(true);
#endif

} // namespace
