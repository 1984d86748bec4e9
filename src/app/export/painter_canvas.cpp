#include "app/export/painter_canvas.h"

#include "common/twips.h"

#include <QLineF>
#include <QPainter>
#include <QRectF>

#include <cmath>
#include <utility>

namespace brelo {

namespace {

// Shapes beyond the area plus this margin (logical pixels) are cut off first,
// so that huge coordinates never reach the painter or a vector file.
constexpr double kClipMargin = 32.0;

bool isFinite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Liang–Barsky: shortens p–q to the rectangle; false when it misses.
bool clipSegment(QPointF &p, QPointF &q, const QRectF &rect)
{
    const double dx = q.x() - p.x();
    const double dy = q.y() - p.y();
    const double dirs[] = {-dx, dx, -dy, dy};
    const double rooms[] = {p.x() - rect.left(), rect.right() - p.x(), p.y() - rect.top(), rect.bottom() - p.y()};
    double t0 = 0.0;
    double t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (dirs[i] == 0.0) {
            if (rooms[i] < 0.0)
                return false;
            continue;
        }
        const double t = rooms[i] / dirs[i];
        if (dirs[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = p;
    p = start + t0 * QPointF(dx, dy);
    q = start + t1 * QPointF(dx, dy);
    return true;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter &painter, QSizeF innerTwips, QColor background, ColorOf colorOf)
    : painter_(painter),
      innerTwips_(innerTwips),
      innerPixels_(innerTwips / kTwipsPerPixel),
      background_(std::move(background)),
      colorOf_(std::move(colorOf)),
      pixelsPerUnitX_(1.0 / kTwipsPerPixel),
      pixelsPerUnitY_(1.0 / kTwipsPerPixel)
{
}

void PainterCanvas::setUserScale(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    pixelsPerUnitX_ = innerPixels_.width() / width;
    pixelsPerUnitY_ = innerPixels_.height() / height;
}

QPointF PainterCanvas::toPixels(double x, double y) const
{
    return {(x - left_) * pixelsPerUnitX_, (y - top_) * pixelsPerUnitY_};
}

void PainterCanvas::clear() { painter_.fillRect(QRectF(QPointF(0, 0), innerPixels_), background_); }

void PainterCanvas::setPenWidth(int pixels) { penWidth_ = std::max(pixels, 1); }
void PainterCanvas::setLineStyle(LineStyle style) { lineStyle_ = style; }
void PainterCanvas::setFillStyle(FillStyle style) { fillStyle_ = style; }
void PainterCanvas::setFillColor(CanvasColor color) { fillColor_ = color; }

void PainterCanvas::segment(float x1, float y1, float x2, float y2, CanvasColor color)
{
    QPointF p = toPixels(x1, y1);
    QPointF q = toPixels(x2, y2);
    const QRectF visible = QRectF(QPointF(0, 0), innerPixels_).adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin);
    if (!isFinite(p) || !isFinite(q) || !clipSegment(p, q, visible))
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
    const QPointF centre = toPixels(cx, cy);
    const double r = std::abs(radius * pixelsPerUnitX_);  // radii are measured along x
    if (!isFinite(centre) || !std::isfinite(r))
        return;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    if (!bounds.intersects(QRectF(QPointF(0, 0), innerPixels_).adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin)))
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
    const QPointF at = toPixels(x, y);
    if (!isFinite(at) || !QRectF(QPointF(0, 0), innerPixels_).contains(at))
        return;
    painter_.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1.0, 1.0), colorOf_(color));
}

} // namespace brelo
