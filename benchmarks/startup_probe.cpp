// The window started in a process of its own, up to its first paint, linked
// as the program is (without Qt Test, which the event probes need): for the
// start-up benchmark and, under callgrind, for its instruction count (only
// the start-up is instrumented).
#include "ui/window/designed_style.h"
#include "ui/window/form1.h"
#include "callgrind_marks.h"

#include <QApplication>
#include <QDateTime>

#include <vector>

namespace {

// Counts paint events until the window's first paint has been delivered.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted_ = painted_ || event->type() == QEvent::Paint;
        return false;
    }
    bool painted() const { return painted_; }

private:
    bool painted_ = false;
};

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CALLGRIND_START_INSTRUMENTATION;
    const int givenArgc = argc;
    std::vector<char *> givenArgv(argv, argv + argc);
    QApplication app(argc, argv);
    brelo::useDesignedStyle(app, givenArgc, givenArgv.data());  // as the program does
    FirstPaint watch;
    app.installEventFilter(&watch);
    brelo::Form1 form(&fixedClock);
    form.show();
    while (!watch.painted())
        QApplication::processEvents(QEventLoop::AllEvents);
    CALLGRIND_STOP_INSTRUMENTATION;
    app.removeEventFilter(&watch);
    return 0;
}
