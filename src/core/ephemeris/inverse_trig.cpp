#include "core/ephemeris/inverse_trig.h"

#include "core/common/angles.h"

#include <cmath>

namespace brelo {

float asinSingle(double a)
{
    if (std::fabs(a) == 1.0)
        return std::copysign(kPi / 2.0f, static_cast<float>(a));
    return static_cast<float>(std::atan(a / std::sqrt(std::fabs(1.0 - a * a))));
}

float acosSingle(double a)
{
    // float: the difference is formed in single precision
    return kPi / 2.0f - asinSingle(a);
}

} // namespace brelo
