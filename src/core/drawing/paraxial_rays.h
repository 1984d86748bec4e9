#pragma once

#include "core/optics/paraxial_trace.h"

namespace brelo {

class Canvas;

// The true rays of the trace, for the layout picture: the two marginal rays
// (from the rim of O1, above and below the axis) and the chief ray of the
// field's edge at fieldAngle radians (none when it is 0), each bent at every
// lens, from O1 to the plane of the final focus, f3' behind O3'. Drawn instead
// of the schematic rays: call it right after dessin, with the same canvas and
// scale setting, dessin's rays off. Heights grow upwards on the picture.
void drawParaxialRays(Canvas &canvas, const ParaxialTrace &trace, double fieldAngle, int scaleSetting);

} // namespace brelo
