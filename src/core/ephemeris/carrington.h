#pragma once

#include <string>

namespace brelo {

// The Carrington rotation an instant falls in, and how far through it the
// instant lies (fraction in [0, 1)). Rotation 1 began on 1853 November 9.
struct CarringtonRotation {
    long number = 0;
    double fraction = 0.0;
};

// Start of rotation `number`, Julian Day: the mean synodic period of
// 27.2752316 days with the periodic terms of the Earth's eccentric orbit
// (Meeus, Astronomical Algorithms, ch. 29), within a few minutes of the
// published instants. The dynamical-time difference (about a minute) is ignored.
double carringtonStart(long number);

// The rotation of an instant (UT Julian Day). Meant for the JD of an instant
// the ephemeris can compute (|JD| below 1e15); outside that, rotation 0, fraction 0.
CarringtonRotation carringtonRotation(double julianDay);

// "2301,457": the rotation number and three decimals of the fraction, cut and
// not rounded. Before rotation 1 the text is the same decimal value, so the
// last rotation before the first with fraction 0.25 reads "-0,750".
std::string carringtonText(const CarringtonRotation &rotation, char decimalSeparator);

} // namespace brelo
