#pragma once

#include <optional>

namespace brelo {

// Orientation of the solar globe seen from the Earth, degrees unless marked.
struct PhysicalEphemeris {
    double rotation = 0.0;         // θ, since JD 2398220 at 25.38 days a turn, not reduced
    double node = 0.0;             // K, ascending node of the solar equator
    double sunLongitude = 0.0;     // λs, λ less a further aberration term
    double nutatedLongitude = 0.0; // λ′ = λs + Δψ
    double xRad = 0.0;             // x, first part of P
    double yRad = 0.0;             // y, second part of P
    float positionAngle = 0.0f;    // P, float as shown and drawn; positive towards the East
    float latitudeB0 = 0.0f;       // B0, float as shown and drawn
    double eta = 0.0;              // η, disc centre from the node along the solar equator
    double longitudeL0 = 0.0;      // L0, in [0, 360]
};

inline constexpr double kSolarEquatorInclination = 7.25;  // I

// Meeus, Astronomical Algorithms, ch. 29. Empty when L0 cannot be brought
// into [0, 360] (a date so far out that its turns cannot be counted).
std::optional<PhysicalEphemeris> physicalEphemeris(double julianDay, double distanceAu,
                                                   double apparentLongitude,
                                                   double nutationInLongitude,
                                                   double trueObliquity);

// η = arctan(tan(λs − K) × cos I) moved half a turn when the signs of its sine
// and cosine both equal those of λs − K: it ends in the quadrant of λs − K + 180.
double etaInQuadrant(double etaDeg, double sunFromNodeDeg);

} // namespace brelo
