#pragma once

// What every Qt canvas does the same way before it draws: map the drawings'
// user coordinates onto its inner area, and cut shapes down to that area.

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <cmath>

namespace brelo {

// Shapes are clipped to the inner area plus this margin (logical pixels)
// before they are drawn, so huge coordinates never reach a loop, QPainter or a
// vector file.
inline constexpr double kClipMargin = 32.0;

inline QRectF clipArea(QSizeF innerPixels)
{
    return QRectF(QPointF(0, 0), innerPixels).adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin);
}

inline bool isFinite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Liang–Barsky: shortens the segment p–q to the rectangle, false when it
// misses. A cut end is placed on the edge it crosses from the edge's own
// coordinate, so a horizontal or vertical line from ±1e37 stays exact.
bool clipSegment(QPointF &p, QPointF &q, const QRectF &rect);

// User coordinates (the Canvas's setUserScale) onto logical pixels of an
// inner area: by default one unit per twip from the inner top-left corner.
class UserCoordinates {
public:
    explicit UserCoordinates(double pixelsPerUnit) : perUnitX_(pixelsPerUnit), perUnitY_(pixelsPerUnit) {}

    // (left, top) at the inner top-left corner, width × height units across it.
    void set(double left, double top, double width, double height, QSizeF innerPixels)
    {
        left_ = left;
        top_ = top;
        perUnitX_ = innerPixels.width() / width;
        perUnitY_ = innerPixels.height() / height;
    }
    // The same units on an area grown or shrunk by this factor.
    void scale(double factor)
    {
        perUnitX_ *= factor;
        perUnitY_ *= factor;
    }

    QPointF toPixels(double x, double y) const { return {(x - left_) * perUnitX_, (y - top_) * perUnitY_}; }
    double pixelsPerUnitX() const { return perUnitX_; }  // radii are measured along x

private:
    double left_ = 0.0;
    double top_ = 0.0;
    double perUnitX_;
    double perUnitY_;
};

} // namespace brelo
