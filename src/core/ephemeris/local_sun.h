#pragma once

#include <optional>

namespace brelo {

// The Sun in the sky of a place at one instant, by the ephemeris page's own
// steps (solar theory, nutation, sidereal time, horizontal coordinates), so
// that a time found with it shows the page's figures when typed into the page.
struct LocalSun {
    double hourAngleDeg = 0.0;   // H in [-180, 180], positive towards the West
    float declinationDeg = 0.0f; // δ, float as the page holds it
    float altitudeDeg = 0.0f;    // h of the centre, no refraction; float as the page holds it
};

// For a UT Julian Day, a latitude and a longitude positive towards the East.
// Empty when the instant is too far out for the hour angle's turns to be counted.
std::optional<LocalSun> localSun(double julianDay, double latitudeDeg, double longitudeDeg);

} // namespace brelo
