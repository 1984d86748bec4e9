#pragma once

#include "core/common/rgb.h"

#include <span>

namespace brelo {

// A colour of a drawing operation: an RGB value, or one of the two system
// colours that the platform supplies (a darker and a lighter grey).
struct CanvasColor {
    enum class Kind { Rgb, AppWorkspace, ButtonFace };

    Kind kind = Kind::Rgb;
    Rgb rgb;

    static constexpr CanvasColor of(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        return {Kind::Rgb, Rgb{r, g, b}};
    }
    static constexpr CanvasColor appWorkspace() { return {Kind::AppWorkspace, {}}; }
    static constexpr CanvasColor buttonFace() { return {Kind::ButtonFace, {}}; }

    friend bool operator==(const CanvasColor &, const CanvasColor &) = default;
};

// A point in user coordinates, single precision as every coordinate a drawing gives.
struct CanvasPoint {
    float x, y;
};

enum class LineStyle { Solid, Dashed, Dotted };
enum class FillStyle { Solid, Transparent };

// A picture area seen by the drawings. Coordinates are user coordinates: by
// default one unit per twip, origin at the inner top-left corner, y downwards;
// setUserScale maps (left, top) to the inner top-left corner and spans width ×
// height units over the inner area. Coordinates arrive in single precision.
// A fresh canvas draws with a 1-pixel solid pen and a transparent fill, like a
// picture area of the window before any drawing changed its attributes; the
// attributes then persist from one drawing to the next.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual double innerWidthTwips() const = 0;
    virtual double innerHeightTwips() const = 0;
    virtual void setUserScale(double left, double top, double width, double height) = 0;

    virtual void clear() = 0;  // to the background colour
    virtual void setPenWidth(int pixels) = 0;
    virtual void setLineStyle(LineStyle style) = 0;
    virtual void setFillStyle(FillStyle style) = 0;
    virtual void setFillColor(CanvasColor color) = 0;

    virtual void segment(float x1, float y1, float x2, float y2, CanvasColor color) = 0;
    // Outline in the given colour; filled with the fill colour while the fill style is solid.
    virtual void circle(float cx, float cy, float radius, CanvasColor outline) = 0;
    virtual void pixel(float x, float y, CanvasColor color) = 0;
    // pixel() for each point in turn: a drawing of many dots hands them over
    // in one call, which a canvas may place without a call per dot.
    virtual void pixels(std::span<const CanvasPoint> points, CanvasColor color)
    {
        for (const CanvasPoint &point : points)
            pixel(point.x, point.y, color);
    }
};

} // namespace brelo
