#include "drawing/point_turn.h"

#include "common/angles.h"
#include "drawing/disc_drawing.h"

#include <cmath>

namespace brelo {

PointTurn::PointTurn(float angleDeg) : angleDeg_(angleDeg)
{
    const double turn = degToRad(angleDeg);
    cos_ = std::cos(turn);
    sin_ = std::sin(turn);
    byProducts_ = std::abs(turn) <= point_turn::kProductTurnLimit;
}

std::pair<float, float> PointTurn::throughArctangent(double x, double y) const
{
    return {rotx(angleDeg_, x, y), roty(angleDeg_, x, y)};
}

} // namespace brelo
