#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/heliographic_position.h"

#include <vector>

namespace brelo {

// One visible arc of a parallel or a meridian, as the picture points of a
// polyline of short segments (one degree apart, ending exactly on the limb
// where the line goes round to the far side).
struct GridArc {
    enum class Kind { Parallel, Meridian };
    Kind kind = Kind::Parallel;
    double valueDeg = 0.0;  // the latitude of a parallel, the L(MC) of a meridian
    std::vector<CanvasPoint> points;
};

// The heliographic grid on the visible hemisphere, from discPoint: the
// parallels every `stepDeg` of latitude strictly between the poles, then the
// meridians every `stepDeg` of longitude from the central meridian all the
// way round (those beyond ±90 show near the pole tipped towards us).
std::vector<GridArc> heliographicGrid(const DiscOrientation &disc, double stepDeg);

} // namespace brelo
