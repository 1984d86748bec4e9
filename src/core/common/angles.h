#pragma once

namespace brelo {

// The program's π is the single-precision constant 3.1415927
// (3.14159274101257...), widened to double where it enters a formula; the shown
// digits of the ephemeris and the disc drawing depend on it.
inline constexpr float kPi = 3.1415927f;

// Conversions in double, in the written order (x × π / 180 and x × 180 / π).
inline double degToRad(double degrees) { return degrees * kPi / 180.0; }
inline double radToDeg(double radians) { return radians * 180.0 / kPi; }

} // namespace brelo
