#pragma once

#include <optional>

namespace brelo {

// Right ascension α in [0, 360] from the apparent longitude λ and the true
// obliquity ε (Meeus, Astronomical Algorithms, ch. 13), by the one-argument
// arctangent and its quadrant rule.
double rightAscension(double apparentLongitude, double trueObliquity);

// α moved half a turn when the signs of both its sine and its cosine differ
// from those of λ.
double rightAscensionInQuadrant(double alphaDeg, double apparentLongitude);

// Declination δ, degrees; float as shown and as used later.
float declination(double apparentLongitude, double trueObliquity);

// Mean sidereal time at Greenwich θ0, degrees, not reduced (Meeus, ch. 12).
double siderealTime(double julianDay, double centuries);

// Hour angle H = θ0 + L − α in [-180, 180], positive towards the West, with the
// longitude L positive towards the East. Empty when θ0 + L − α is too large for
// its turns to be counted.
std::optional<double> hourAngle(double siderealTimeDeg, double longitudeDeg, double alphaDeg);

// Altitude h, degrees; float as shown and as used later.
float altitude(double latitudeDeg, float declinationDeg, double hourAngleDeg);

// Azimuth counted from the South, positive towards the West, in [-180, 180].
double azimuth(double latitudeDeg, float declinationDeg, double hourAngleDeg);

// North–zenith angle q at the Sun, degrees; float. Negative east of the meridian.
float northZenithAngle(double latitudeDeg, float declinationDeg, float altitudeDeg,
                       double hourAngleDeg);

} // namespace brelo
