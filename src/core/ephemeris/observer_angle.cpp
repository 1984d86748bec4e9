#include "core/ephemeris/observer_angle.h"

#include <cmath>

namespace brelo {

double observerAngle(double degrees, double minutes)
{
    // signbit, not "< 0", so that a typed "-0" still makes the angle negative.
    return std::signbit(degrees) ? degrees - minutes / 60.0 : degrees + minutes / 60.0;
}

} // namespace brelo
