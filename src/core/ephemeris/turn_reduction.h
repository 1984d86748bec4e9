#pragma once

#include <optional>

namespace brelo {

// The result of "while v > 360: v -= 360; then while v < 0: v += 360", so an
// exact 0 or 360 is kept. Empty when v is not finite or too large for the turns
// to be counted (|v| >= 2^56, where 360 is no longer a multiple of the last place).
std::optional<double> reduceToTurn(double degrees);

// The result of "while v > 180: v -= 360; then while v < -180: v += 360", so an
// exact ±180 is kept. Empty under the same conditions as reduceToTurn.
std::optional<double> reduceToHalfTurns(double degrees);

} // namespace brelo
