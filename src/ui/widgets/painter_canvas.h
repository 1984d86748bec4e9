#pragma once

#include "core/drawing/canvas.h"
#include "ui/widgets/canvas_geometry.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>

#include <functional>

class QPainter;

namespace brelo {

// The Canvas over any QPainter (an image at any resolution, an SVG, a PDF, a
// printer page): every operation is one vector primitive in the painter's
// coordinates, one unit per logical pixel of the picture area's inner area.
class PainterCanvas : public Canvas {
public:
    using ColorOf = std::function<QColor(CanvasColor)>;

    PainterCanvas(QPainter &painter, QSizeF innerTwips, QColor background, ColorOf colorOf);

    double innerWidthTwips() const override { return innerTwips_.width(); }
    double innerHeightTwips() const override { return innerTwips_.height(); }
    void setUserScale(double left, double top, double width, double height) override;

    void clear() override;
    void setPenWidth(int pixels) override;
    void setLineStyle(LineStyle style) override;
    void setFillStyle(FillStyle style) override;
    void setFillColor(CanvasColor color) override;

    void segment(float x1, float y1, float x2, float y2, CanvasColor color) override;
    void circle(float cx, float cy, float radius, CanvasColor outline) override;
    void pixel(float x, float y, CanvasColor color) override;

private:
    QPainter &painter_;
    QSizeF innerTwips_;
    QSizeF innerPixels_;
    QColor background_;
    ColorOf colorOf_;

    UserCoordinates user_;  // onto logical pixels of the inner area

    int penWidth_ = 1;
    LineStyle lineStyle_ = LineStyle::Solid;
    FillStyle fillStyle_ = FillStyle::Transparent;
    CanvasColor fillColor_;
};

} // namespace brelo
