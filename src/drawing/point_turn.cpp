#include "drawing/point_turn.h"

#include "common/angles.h"

#include <cmath>

namespace brelo {

PointTurn::PointTurn(float angleDeg)
    : turn_(degToRad(angleDeg)), cos_(std::cos(turn_)), sin_(std::sin(turn_)),
      byProducts_(std::abs(turn_) <= point_turn::kProductTurnLimit)
{
}

std::pair<float, float> PointTurn::throughArctangent(double x, double y) const
{
    const double radius = std::sqrt(x * x + y * y);
    const double angle = std::atan(y / x) + turn_;
    return {static_cast<float>(radius * std::cos(angle)), static_cast<float>(radius * std::sin(angle))};
}

} // namespace brelo
