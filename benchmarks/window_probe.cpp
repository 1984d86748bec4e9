// One process that plays one kind of event N times, for instructions.sh
// (under callgrind, only the measured events are instrumented):
//   window_probe optics|ephemeris|page N [earlier optics runs [events played first]]
#include "window_events.h"
#include "callgrind_marks.h"
#include "ui/pages/optics_page.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace brelo;

int play(int &argc, char **argv, bench::Event event, int count, int earlierRuns, int warmEvents)
{
    QApplication app(argc, argv);
    bench::Session session(event);
    for (int run = 0; run < earlierRuns; ++run)
        session.form().runOptics();
    // Events played before counting: what a session has learnt by then
    // (glyph tables, kept looks) is in place, as in a long session.
    for (int i = 0; i < warmEvents; ++i)
        session.play();
    QApplication::processEvents();
    CALLGRIND_START_INSTRUMENTATION;
    for (int i = 0; i < count; ++i)
        session.play();
    CALLGRIND_STOP_INSTRUMENTATION;
    // Proof that the events ran and were painted one by one.
    std::printf("optics runs: %d, picture paints: %ld\n", session.form().opticsPage().yearlyRuns(), session.picturePaints());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    bool known = false;
    const bench::Event event = bench::eventNamed(mode, &known);
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (!known || count <= 0) {
        std::fprintf(stderr, "usage: window_probe optics|ephemeris|page COUNT [EARLIER_RUNS [WARM_EVENTS]]\n");
        return 2;
    }
    return play(argc, argv, event, count, argc > 3 ? std::atoi(argv[3]) : 0, argc > 4 ? std::atoi(argv[4]) : 0);
}
