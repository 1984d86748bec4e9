#pragma once

#include "core/ephemeris/sun_day.h"

#include <chrono>
#include <optional>
#include <vector>

namespace brelo {

// The Sun in the sky of a place at one instant of a UT date, for a chart.
struct SunCurvePoint {
    double hoursUt = 0.0;      // since 0 h UT of the date
    double altitudeDeg = 0.0;  // of the centre, no refraction, as the page's "Hauteur"
    double azimuthDeg = 0.0;   // from the South, positive towards the West, as the page's
};

// The Sun's altitude and azimuth from 0 h to 24 h UT of a date, every
// `stepMinutes` (at least 1), by the ephemeris page's own steps. Instants the
// theory cannot place (beyond the years sunDay accepts) are left out.
std::vector<SunCurvePoint> sunDayCurve(const DayPlace &place, std::chrono::sys_days date, int stepMinutes);

// The Julian Day of 0 h UT of a date.
double julianDayAtMidnight(std::chrono::sys_days date);

// What the day's chart marks, in hours from 0 h UT of the date: rise, transit
// and set when the day has them and they fall within the date (0 to 24 h), and
// an instant (a Julian Day) when it does too.
struct SunDayMarks {
    std::optional<double> rise, transit, set;
    std::optional<double> instant;
};
SunDayMarks sunDayMarks(const SunDay &day, double instantJulianDay);

} // namespace brelo
