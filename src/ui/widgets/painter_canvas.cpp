#include "ui/widgets/painter_canvas.h"

#include "core/common/twips.h"
#include "ui/widgets/canvas_geometry.h"

#include <QLineF>
#include <QPainter>
#include <QRectF>

#include <cmath>
#include <utility>

namespace brelo {

PainterCanvas::PainterCanvas(QPainter &painter, QSizeF innerTwips, QColor background, ColorOf colorOf)
    : painter_(painter),
      innerTwips_(innerTwips),
      innerPixels_(innerTwips / kTwipsPerPixel),
      background_(std::move(background)),
      colorOf_(std::move(colorOf)),
      user_(1.0 / kTwipsPerPixel)
{
}

void PainterCanvas::setUserScale(double left, double top, double width, double height)
{
    user_.set(left, top, width, height, innerPixels_);
}

void PainterCanvas::clear() { painter_.fillRect(QRectF(QPointF(0, 0), innerPixels_), background_); }

void PainterCanvas::setPenWidth(int pixels) { penWidth_ = std::max(pixels, 1); }
void PainterCanvas::setLineStyle(LineStyle style) { lineStyle_ = style; }
void PainterCanvas::setFillStyle(FillStyle style) { fillStyle_ = style; }
void PainterCanvas::setFillColor(CanvasColor color) { fillColor_ = color; }

void PainterCanvas::segment(float x1, float y1, float x2, float y2, CanvasColor color)
{
    QPointF p = user_.toPixels(x1, y1);
    QPointF q = user_.toPixels(x2, y2);
    if (!isFinite(p) || !isFinite(q) || !clipSegment(p, q, clipArea(innerPixels_)))
        return;
    QPen pen(colorOf_(color), penWidth_);
    pen.setCapStyle(Qt::FlatCap);
    // The screen's broken lines: 18 pixels on, 6 off, or 3 and 3, whatever the width.
    if (lineStyle_ == LineStyle::Dashed)
        pen.setDashPattern({18.0 / penWidth_, 6.0 / penWidth_});
    else if (lineStyle_ == LineStyle::Dotted)
        pen.setDashPattern({3.0 / penWidth_, 3.0 / penWidth_});
    painter_.setPen(pen);
    painter_.drawLine(QLineF(p, q));
}

void PainterCanvas::circle(float cx, float cy, float radius, CanvasColor outline)
{
    const QPointF centre = user_.toPixels(cx, cy);
    const double r = std::abs(radius * user_.pixelsPerUnitX());  // radii are measured along x
    if (!isFinite(centre) || !std::isfinite(r))
        return;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    if (!bounds.intersects(clipArea(innerPixels_)))
        return;
    if (r < 1.0) {  // below a pixel, a speck, as on the screen
        pixel(cx, cy, outline);
        return;
    }
    painter_.setPen(QPen(colorOf_(outline), penWidth_));
    painter_.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(colorOf_(fillColor_)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(centre, r, r);
}

void PainterCanvas::pixel(float x, float y, CanvasColor color)
{
    const QPointF at = user_.toPixels(x, y);
    if (!isFinite(at) || !QRectF(QPointF(0, 0), innerPixels_).contains(at))
        return;
    painter_.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1.0, 1.0), colorOf_(color));
}

} // namespace brelo
