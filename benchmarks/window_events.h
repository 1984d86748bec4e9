#pragma once

// The window's events as a user gives them, shared by the Google Benchmark
// program and the instruction counter: each call is one event, delivered
// through real mouse events and followed by the repaint it causes.

#include "ui/window/form1.h"

#include <QDateTime>
#include <QString>

#include <memory>

namespace brelo::bench {

enum class Event {
    Optics,      // UpDown3's arrows, up then down: Txtfoco2 changes every time
    Ephemeris,   // UpDown14's arrows, up then down: the minute changes every time
    PageChange,  // the tabs of the optics and ephemeris pages in turn
};

QDateTime fixedClock();

// A shown window, on the page the event belongs to, after a few warming events.
class Session {
public:
    explicit Session(Event event);
    ~Session();

    void play();  // one event, with its repaint
    Form1 &form() { return *form_; }
    // Paint events the drawing area of the event's page has received: one per
    // event shows that every event was painted, not merged with the next.
    long picturePaints() const { return picturePaints_; }

private:
    Event event_;
    std::unique_ptr<Form1> form_;
    QWidget *targets_[2];  // what play() clicks, in turn
    QPoint points_[2];
    int turn_ = 0;
    long picturePaints_ = 0;
    std::unique_ptr<QObject> paintCounter_;
};

Event eventNamed(const QString &name, bool *ok);

} // namespace brelo::bench
