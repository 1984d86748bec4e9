#include "core/drawing/turned_canvas.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace brelo {

TurnedCanvas::TurnedCanvas(Canvas &target, double centreX, double centreY, double turnDeg)
    : target_(target), centreX_(centreX), centreY_(centreY),
      // The true π: this turn only places pixels and decides no shown digit.
      cos_(std::cos(turnDeg * std::numbers::pi / 180.0)), sin_(std::sin(turnDeg * std::numbers::pi / 180.0))
{
}

void TurnedCanvas::setUserScale(double left, double top, double width, double height)
{
    target_.setUserScale(left, top, width, height);
}

TurnedCanvas::Point TurnedCanvas::turned(double x, double y) const
{
    // Counter-clockwise on the screen is clockwise in a y-down frame.
    const double dx = x - centreX_;
    const double dy = y - centreY_;
    return {static_cast<float>(centreX_ + dx * cos_ + dy * sin_),
            static_cast<float>(centreY_ - dx * sin_ + dy * cos_)};
}

void TurnedCanvas::segment(float x1, float y1, float x2, float y2, CanvasColor color)
{
    const Point from = turned(x1, y1);
    const Point to = turned(x2, y2);
    target_.segment(from.x, from.y, to.x, to.y, color);
}

void TurnedCanvas::circle(float cx, float cy, float radius, CanvasColor outline)
{
    const Point centre = turned(cx, cy);
    target_.circle(centre.x, centre.y, radius, outline);
}

void TurnedCanvas::pixel(float x, float y, CanvasColor color)
{
    const Point at = turned(x, y);
    target_.pixel(at.x, at.y, color);
}

void TurnedCanvas::pixels(std::span<const CanvasPoint> points, CanvasColor color)
{
    std::vector<CanvasPoint> turnedDots;
    turnedDots.reserve(points.size());
    for (const CanvasPoint &point : points) {
        const Point at = turned(point.x, point.y);
        turnedDots.push_back({at.x, at.y});
    }
    target_.pixels(turnedDots, color);
}

} // namespace brelo
