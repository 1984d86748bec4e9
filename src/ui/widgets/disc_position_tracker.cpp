#include "ui/widgets/disc_position_tracker.h"

#include "core/common/twips.h"
#include "core/drawing/disc_drawing.h"
#include "core/drawing/zenith_up_disc.h"
#include "ui/widgets/design_texts.h"
#include "ui/widgets/picture_area.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QWidget>

namespace brelo {

DiscOrientation discOrientationOf(const EphemerisRun &run, bool zenithUp)
{
    const EphemerisResult &r = run.result;
    const double turn = zenithUp ? zenithUpTurnDeg(static_cast<float>(r.values.northZenithDeg)) : 0.0;
    return {.positionAngleDeg = r.anglep, .latitudeB0Deg = r.latb0, .longitudeL0Deg = r.values.longitudeL0Deg,
            .turnDeg = turn};  // the radius of dessinephem's disc
}

QPointF discUserPoint(const PictureArea &picture, QPoint widgetPoint)
{
    const double inner = picture.innerWidthTwips() / kTwipsPerPixel * picture.zoom();  // logical pixels
    const auto user = [&](int at) {
        return kDiscUserLeft + (at - PictureArea::kBorderPx + 0.5) / inner * kDiscUserSpan;
    };
    return {user(widgetPoint.x()), user(widgetPoint.y())};
}

DiscPositionTracker::DiscPositionTracker(QWidget &area, ToUser toUser, Orientation orientation, Show show,
                                         char decimalSeparator)
    : QObject(&area), toUser_(std::move(toUser)), orientation_(std::move(orientation)), show_(std::move(show)),
      decimalSeparator_(decimalSeparator),
      copy_(new QAction(&area))
{
    copy_->setObjectName(QStringLiteral("menucopierposition"));
    auto *texts = new DesignTexts("brelo::DiscPositionTracker", &area);
    texts->keep(copy_, QT_TR_NOOP("Copier la position"), QT_TR_NOOP("Copie la position héliographique du point cliqué"));
    area.setMouseTracking(true);
    area.installEventFilter(this);
    connect(copy_, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(clicked_); });
}

DiscPositionTracker::Reading DiscPositionTracker::readAt(QPoint widgetPoint) const
{
    const std::optional<DiscOrientation> disc = orientation_();
    if (!disc)
        return {};
    const QPointF user = toUser_(widgetPoint);
    return {true, heliographicPosition(*disc, user.x(), user.y())};
}

QString DiscPositionTracker::textAt(QPoint widgetPoint) const
{
    const Reading reading = readAt(widgetPoint);
    return reading.disc ? QString::fromStdString(heliographicText(reading.position, decimalSeparator_)) : QString();
}

bool DiscPositionTracker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        show_(textAt(static_cast<QMouseEvent *>(event)->position().toPoint()));
        break;
    case QEvent::Leave:
        show_(QString());
        break;
    case QEvent::ContextMenu: {
        // Before the menu opens: what its "Copier la position" will copy, on the disc only.
        const QPoint at = static_cast<QContextMenuEvent *>(event)->pos();
        clicked_ = textAt(at);
        copy_->setEnabled(readAt(at).position.has_value());
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brelo
