#pragma once

#include <algorithm>
#include <limits>

namespace brelo {

// Every coordinate reaches the canvas in single precision. Absurd inputs can
// put a point beyond the float range: it is held at the largest float, off
// the area, rather than converted with undefined behaviour.
inline float canvasCoordinate(double twips)
{
    constexpr double limit = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(twips, -limit, limit));
}

} // namespace brelo
