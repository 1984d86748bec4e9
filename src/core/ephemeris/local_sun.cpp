#include "core/ephemeris/local_sun.h"

#include "core/ephemeris/horizontal.h"
#include "core/ephemeris/nutation.h"
#include "core/ephemeris/solar_theory.h"

namespace brelo {

std::optional<LocalSun> localSun(double jd, double latitudeDeg, double longitudeDeg)
{
    // T as the time argument forms it from the Julian Day.
    const double centuries = (jd - 2451545.0) / 36525.0;
    const SolarTheory sun = solarTheory(centuries);
    const Nutation nut = nutation(centuries, sun.node);
    const double alpha = rightAscension(sun.apparentLongitude, nut.trueObliquity);
    const float delta = declination(sun.apparentLongitude, nut.trueObliquity);
    const auto h = hourAngle(siderealTime(jd, centuries), longitudeDeg, alpha);
    if (!h)
        return std::nullopt;
    return LocalSun{*h, delta, altitude(latitudeDeg, delta, *h)};
}

} // namespace brelo
