#include "core/drawing/paraxial_rays.h"

#include "core/drawing/canvas.h"
#include "core/drawing/canvas_coordinate.h"

#include <cmath>

namespace brelo {

namespace {

constexpr CanvasColor kMarginalColor = CanvasColor::of(255, 255, 255);
constexpr CanvasColor kChiefColor = CanvasColor::of(0, 255, 255);

// One ray as segments from lens to lens, its heights scaled by `factor` (−1
// for the marginal ray below the axis, the field angle for the chief ray).
void drawRay(Canvas &canvas, const ParaxialTrace &trace, const TracedRay &ray, double factor, double s,
             CanvasColor color)
{
    const double focusPlane = trace.position[kO3b] + trace.focal[kO3b];
    const auto point = [&](std::size_t k) {
        if (k < kTrainLenses)
            return std::array<double, 2>{trace.position[k], ray.height[k] * factor};
        const double beyond = focusPlane - trace.position[kO3b];
        return std::array<double, 2>{focusPlane, (ray.height[kO3b] + ray.slope[kO3b] * beyond) * factor};
    };
    for (std::size_t k = 0; k < kTrainLenses; ++k) {
        const auto from = point(k);
        const auto to = point(k + 1);
        // A lens of zero focal length bends a ray without end: nothing to draw.
        if (!std::isfinite(from[1]) || !std::isfinite(to[1]))
            continue;
        // Millimetres to user units: x to the right, heights up the picture.
        canvas.segment(canvasCoordinate(s * from[0]), canvasCoordinate(-s * from[1]),
                       canvasCoordinate(s * to[0]), canvasCoordinate(-s * to[1]), color);
    }
}

} // namespace

void drawParaxialRays(Canvas &canvas, const ParaxialTrace &trace, double fieldAngle, int scaleSetting)
{
    const double s = canvas.innerWidthTwips() / -static_cast<double>(scaleSetting);  // twips per mm
    canvas.setPenWidth(1);
    canvas.setLineStyle(LineStyle::Solid);
    drawRay(canvas, trace, trace.marginal, 1.0, s, kMarginalColor);
    drawRay(canvas, trace, trace.marginal, -1.0, s, kMarginalColor);
    if (fieldAngle != 0.0 && std::isfinite(fieldAngle))
        drawRay(canvas, trace, trace.chief, fieldAngle, s, kChiefColor);
}

} // namespace brelo
