#include "core/ephemeris/solar_theory.h"

#include "core/common/angles.h"

#include <cmath>

namespace brelo {

SolarTheory solarTheory(double t)
{
    const double t2 = std::pow(t, 2.0);
    const double t3 = std::pow(t, 3.0);
    SolarTheory s;
    s.meanAnomaly = 357.5291 + 35999.0503 * t - 0.0001559 * t2 - 0.00000048 * t3;
    s.eccentricity = 0.016708617 - 0.000042037 * t - 0.0000001236 * t2;
    const double m = s.meanAnomaly;
    s.centre = (1.9146 - 0.004817 * t - 0.000014 * t2) * std::sin(degToRad(m))
               + (0.019993 - 0.000101 * t) * std::sin(degToRad(2.0 * m))
               + 0.00029 * std::sin(degToRad(3.0 * m));
    s.trueAnomaly = m + s.centre;
    const double e = s.eccentricity;
    s.distanceAu = 1.000001018 * (1.0 - e * e) / (1.0 + e * std::cos(degToRad(s.trueAnomaly)));
    s.node = 125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0;
    s.meanLongitude = 280.46645 + 36000.76983 * t + 0.0003032 * t2;
    s.trueLongitude = s.meanLongitude + s.centre;
    s.apparentLongitude = s.trueLongitude - 0.00569 - 0.00478 * std::sin(degToRad(s.node));
    return s;
}

} // namespace brelo
