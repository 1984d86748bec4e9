#include "core/ephemeris/nutation.h"

#include "core/common/angles.h"

#include <cmath>

namespace brelo {

Nutation nutation(double t, double node)
{
    const double t2 = std::pow(t, 2.0);
    const double t3 = std::pow(t, 3.0);
    Nutation n;
    n.meanObliquity = (84381.448 - 46.815 * t - 0.00059 * t2 + 0.001813 * t3) / 3600.0;
    n.sunMeanLongitude = 280.4665 + 36000.7698 * t;
    n.moonMeanLongitude = 218.3165 + 481267.8813 * t;
    const double ls = n.sunMeanLongitude;
    const double lm = n.moonMeanLongitude;
    // The brackets are in arc seconds.
    n.inObliquity = (9.2 * std::cos(degToRad(node)) + 0.57 * std::cos(degToRad(2.0 * ls))
                     + 0.1 * std::cos(degToRad(2.0 * lm)) - 0.09 * std::cos(degToRad(2.0 * node)))
                    / 3600.0;
    n.trueObliquity = n.meanObliquity + n.inObliquity;
    n.inLongitude = (-17.2 * std::sin(degToRad(node)) - 1.32 * std::sin(degToRad(2.0 * ls))
                     - 0.23 * std::sin(degToRad(2.0 * lm)) + 0.21 * std::sin(degToRad(2.0 * node)))
                    / 3600.0;
    return n;
}

} // namespace brelo
