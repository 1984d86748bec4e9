// Speed of the window's events, measured through Form1 as a user drives it: a
// click that changes an input, the computation, the drawing, the label and list
// updates, the repaint. CPU time is the whole process's, so that work handed to
// Qt's helper threads counts too.

#include "window_events.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace brelo;

// Heap bytes in use (glibc); resident memory would hide reused free pages.
long heapBytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}

void playEvents(benchmark::State &state, bench::Event event, int earlierRuns = 0)
{
    bench::Session session(event);
    const long before = heapBytesInUse();
    for (int run = 0; run < earlierRuns; ++run)
        session.form().runOptics();
    QApplication::processEvents();
    if (earlierRuns > 0)  // what the two yearly lists keep per run
        state.counters["bytesPerRun"] = double(heapBytesInUse() - before) / earlierRuns;
    for (auto _ : state)
        session.play();
    state.counters["picturePaintsPerEvent"] = double(session.picturePaints()) / state.iterations();
}

void BM_OpticsEvent(benchmark::State &state) { playEvents(state, bench::Event::Optics); }
void BM_OpticsEventAfter100000Runs(benchmark::State &state) { playEvents(state, bench::Event::Optics, 100'000); }
void BM_EphemerisEvent(benchmark::State &state) { playEvents(state, bench::Event::Ephemeris); }
void BM_PageChange(benchmark::State &state) { playEvents(state, bench::Event::PageChange); }

// A fresh process from its start to the window's first paint; CPU time of the
// child (user + system), read from its own resource usage.
void BM_StartUpToFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            execl(STARTUP_PROBE, STARTUP_PROBE, static_cast<char *>(nullptr));
            _exit(127);
        }
        int status = 0;
        struct rusage usage {};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("startup_probe failed");
        const double seconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
                               + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        state.SetIterationTime(seconds);
    }
}

#define EVENT_BENCHMARK(name, repetitions)                                                                   \
    BENCHMARK(name)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->Repetitions(repetitions)   \
        ->ReportAggregatesOnly(true)
EVENT_BENCHMARK(BM_OpticsEvent, 5);
EVENT_BENCHMARK(BM_OpticsEventAfter100000Runs, 3);
EVENT_BENCHMARK(BM_EphemerisEvent, 5);
EVENT_BENCHMARK(BM_PageChange, 5);
// Manual time is the child's CPU time.
BENCHMARK(BM_StartUpToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)
    ->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace
