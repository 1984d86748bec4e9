#include "core/ephemeris/time_argument.h"

#include <cmath>

namespace brelo {

TimeArgument timeArgument(const CivilInstant &instant)
{
    const double d = instant.day + instant.hour / 24.0 + instant.minute / 1440.0;
    // January and February are months 13 and 14 of the previous year.
    double y = instant.year;
    double mo = instant.month;
    if (instant.month < 3.0) {
        y = instant.year - 1.0;
        mo = instant.month + 12.0;
    }
    const double a = std::floor(y / 100.0);
    const double b = 2.0 - a + std::floor(a / 4.0);
    TimeArgument result;
    result.julianDay = std::floor(365.25 * (y + 4716.0)) + std::floor(30.6001 * (mo + 1.0))
                       + d + b - 1524.5;
    result.centuries = (result.julianDay - 2451545.0) / 36525.0;
    return result;
}

} // namespace brelo
