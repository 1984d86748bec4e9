#pragma once

namespace brelo {

// Obliquity of the ecliptic and the abridged nutation, in degrees.
struct Nutation {
    double meanObliquity = 0.0;      // ε0
    double sunMeanLongitude = 0.0;   // Ls
    double moonMeanLongitude = 0.0;  // Lm
    double inObliquity = 0.0;        // Δε
    double trueObliquity = 0.0;      // ε
    double inLongitude = 0.0;        // Δψ, used only by the position angle P
};

// Meeus, Astronomical Algorithms, ch. 22 (four terms of each series);
// node is Ω of the solar theory.
Nutation nutation(double centuries, double node);

} // namespace brelo
