#pragma once

namespace brelo {

// Degrees and minutes of arc as one angle. The minutes take the sign of the
// degrees, "-0" included: -2° 20′ is -2.3333°, and -0° 20′ is -0.3333°.
double observerAngle(double degrees, double minutes);

} // namespace brelo
