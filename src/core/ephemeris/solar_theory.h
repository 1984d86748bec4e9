#pragma once

namespace brelo {

// The Sun's low-accuracy theory, angles in degrees and not reduced.
struct SolarTheory {
    double meanAnomaly = 0.0;        // M
    double eccentricity = 0.0;       // e, of the Earth's orbit
    double centre = 0.0;             // C, equation of the centre
    double trueAnomaly = 0.0;        // ν
    double distanceAu = 0.0;         // R, Earth–Sun, astronomical units
    double node = 0.0;               // Ω, ascending node of the Moon's orbit
    double meanLongitude = 0.0;      // L0m
    double trueLongitude = 0.0;      // Θ
    double apparentLongitude = 0.0;  // λ, with aberration and nutation in one term
};

// Meeus, Astronomical Algorithms, ch. 25 (low accuracy).
SolarTheory solarTheory(double centuries);

} // namespace brelo
