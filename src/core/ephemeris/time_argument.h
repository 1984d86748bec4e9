#pragma once

namespace brelo {

// The date and time fields as numbers, Universal Time. Out-of-range values
// (month 13, day 40, hour 24) are taken as they come: the day enters linearly.
struct CivilInstant {
    double year = 0.0;
    double month = 0.0;
    double day = 0.0;
    double hour = 0.0;
    double minute = 0.0;
};

struct TimeArgument {
    double julianDay = 0.0;  // JD
    double centuries = 0.0;  // T, Julian centuries from J2000.0
};

// Meeus, Astronomical Algorithms, ch. 7 (Gregorian calendar for every date)
// and ch. 12 for T.
TimeArgument timeArgument(const CivilInstant &instant);

} // namespace brelo
