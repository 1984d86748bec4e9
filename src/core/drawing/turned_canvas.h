#pragma once

#include "core/drawing/canvas.h"

namespace brelo {

// A canvas that turns every point it is given about a centre before handing it
// to the real canvas, so that an existing drawing can be shown rotated without
// being touched. Radii, colours and drawing attributes pass through unchanged.
//
// The turn is counter-clockwise as a person sees the picture on the screen,
// in degrees; user coordinates have y growing downwards, so a point straight
// above the centre turned by +90 ends up to the left of it.
class TurnedCanvas : public Canvas {
public:
    TurnedCanvas(Canvas &target, double centreX, double centreY, double turnDeg);

    double innerWidthTwips() const override { return target_.innerWidthTwips(); }
    double innerHeightTwips() const override { return target_.innerHeightTwips(); }
    void setUserScale(double left, double top, double width, double height) override;

    void clear() override { target_.clear(); }
    void setPenWidth(int pixels) override { target_.setPenWidth(pixels); }
    void setLineStyle(LineStyle style) override { target_.setLineStyle(style); }
    void setFillStyle(FillStyle style) override { target_.setFillStyle(style); }
    void setFillColor(CanvasColor color) override { target_.setFillColor(color); }

    void segment(float x1, float y1, float x2, float y2, CanvasColor color) override;
    void circle(float cx, float cy, float radius, CanvasColor outline) override;
    void pixel(float x, float y, CanvasColor color) override;
    void pixels(std::span<const CanvasPoint> points, CanvasColor color) override;

    struct Point {
        float x, y;
    };
    Point turned(double x, double y) const;

private:
    Canvas &target_;
    double centreX_;
    double centreY_;
    double cos_;
    double sin_;
};

} // namespace brelo
