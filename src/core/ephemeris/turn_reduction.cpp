#include "core/ephemeris/turn_reduction.h"

#include <cmath>

namespace brelo {

namespace {

// Below this magnitude the last place of v is at most 8, a divisor of 360:
// every step of the loops that starts beyond the target interval by a whole
// turn or more is exact, and so is fmod. Whole turns can then be taken off in
// one step with the loops' own value.
constexpr double kExactTurns = 0x1p56;

bool countable(double v) { return std::fabs(v) < kExactTurns; }

} // namespace

std::optional<double> reduceToTurn(double v)
{
    if (!countable(v))
        return std::nullopt;
    if (v > 360.0) {
        // Every v - 360 from above 360 is exact, so the loop ends in (0, 360].
        const double r = std::fmod(v, 360.0);
        return r == 0.0 ? 360.0 : r;
    }
    if (v < -360.0)
        v = std::fmod(v, 360.0) + 0.0;  // exact up to here; + 0.0 makes -0 the loop's +0
    // The last addition is kept literal: between -256 and 0, v + 360 rounds.
    while (v < 0.0)
        v += 360.0;
    return v;
}

std::optional<double> reduceToHalfTurns(double v)
{
    if (!countable(v))
        return std::nullopt;
    // From beyond ±180 every step is exact, the last one included (Sterbenz),
    // so the loops' result is the whole-turn remainder moved into [-180, 180].
    if (v > 180.0) {
        const double r = std::fmod(v, 360.0);
        return r > 180.0 ? r - 360.0 : r;
    }
    if (v < -180.0) {
        const double r = std::fmod(v, 360.0);
        return r < -180.0 ? r + 360.0 : r + 0.0;
    }
    return v;
}

} // namespace brelo
