#pragma once

#include "core/drawing/heliographic_position.h"
#include "ui/window/last_runs.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace brelo {

class PictureArea;

// How the disc of a run lies on Picture3: P, B0 and L0 of the run, turned by
// the zenith-up angle when that view is chosen, radius 500 user units.
DiscOrientation discOrientationOf(const EphemerisRun &run, bool zenithUp);

// Picture3's user coordinates (left and top -550, 1100 units across its inner
// area, whatever the zoom) of a point of the widget, taken at the pixel's centre.
QPointF discUserPoint(const PictureArea &picture, QPoint widgetPoint);

// Follows the mouse over a drawing of the disc: `show` gets the heliographic
// position under it ("B = … · L(MC) = … · L(Carrington) = …", or «hors du
// disque»), and "" when the mouse leaves or there is no disc yet. Its action
// "Copier la position" copies the position of the last right-click; the
// widget's own context menu (which shows the widget's actions) keeps its items.
class DiscPositionTracker : public QObject {
    Q_OBJECT

public:
    using ToUser = std::function<QPointF(QPoint)>;
    using Orientation = std::function<std::optional<DiscOrientation>()>;
    using Show = std::function<void(const QString &)>;

    DiscPositionTracker(QWidget &area, ToUser toUser, Orientation orientation, Show show, char decimalSeparator);

    // The text for a point of the widget, "" when there is no disc.
    QString textAt(QPoint widgetPoint) const;
    QAction *copyAction() const { return copy_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Reading {
        bool disc = false;  // a run to read the disc of
        std::optional<HeliographicPosition> position;
    };
    Reading readAt(QPoint widgetPoint) const;

    ToUser toUser_;
    Orientation orientation_;
    Show show_;
    char decimalSeparator_;
    QAction *copy_;
    QString clicked_;  // the position at the last right-click
};

} // namespace brelo
