#pragma once

#include <string>

namespace brelo {

// The years over which the help states the ephemeris's accuracy, measured
// against a modern high-precision theory: the short series drift outside.
inline constexpr int kAccurateFirstYear = 1800;
inline constexpr int kAccurateLastYear = 2100;

bool withinStatedAccuracy(double year);

// Said once, visibly, for a year outside that range: "La précision annoncée
// dans l'aide vaut pour les années 1800 à 2100 ; …". Empty within it.
std::string accuracyNotice(double year);

} // namespace brelo
