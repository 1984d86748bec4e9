#pragma once

namespace brelo {

inline constexpr double kArcsecPerRadian = 206265.0;

// The Sun's largest apparent radius (1955" / 2): a field given in solar radii
// (R☉) holds on every day of the year.
inline constexpr double kSunRadiusArcsec = 977.5;

} // namespace brelo
