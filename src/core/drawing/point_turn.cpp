#include "core/drawing/point_turn.h"

#include "core/common/angles.h"
#include "core/drawing/disc_drawing.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace brelo {

PointTurn::PointTurn(float angleDeg) : angleDeg_(angleDeg)
{
    const double turn = degToRad(angleDeg);
    cos_ = std::cos(turn);
    sin_ = std::sin(turn);
    byProducts_ = std::abs(turn) <= point_turn::kProductTurnLimit;
}

// With r = √(x² + y²), cos(atan(y/x)) = |x|/r and sin(atan(y/x)) = y·sign(x)/r,
// so r·cos(atan(y/x) + t) = sign(x)·(x cos t − y sin t), and likewise for the
// sine: a rotation for x > 0, its reflection through the origin for x < 0.
// When both results sit clear of a float rounding boundary they are the floats
// rotx and roty give; otherwise the arctangent form decides.
void PointTurn::turnAll(const double *x, const double *y, std::size_t count, float *turnedX, float *turnedY) const
{
    // In blocks, so that the flags of the points to take again stay on the stack.
    constexpr std::size_t kBlock = 256;
    unsigned char alike[kBlock];
    for (std::size_t start = 0; start < count; start += kBlock) {
        const std::size_t n = std::min(kBlock, count - start);
        const double *bx = x + start;
        const double *by = y + start;
        float *tx = turnedX + start;
        float *ty = turnedY + start;
        // The product form, without a branch per point: the compiler makes
        // vector instructions of it.
        for (std::size_t k = 0; k < n; ++k) {
            const double side = bx[k] < 0 ? -1.0 : 1.0;
            const double px = side * (bx[k] * cos_ - by[k] * sin_);
            const double py = side * (bx[k] * sin_ + by[k] * cos_);
            tx[k] = static_cast<float>(px);
            ty[k] = static_cast<float>(py);
            alike[k] = static_cast<unsigned char>((bx[k] != 0.0) & (std::abs(bx[k]) < 1000.0)
                                                  & (std::abs(by[k]) < 1000.0) & point_turn::roundsAlike(px)
                                                  & point_turn::roundsAlike(py));
        }
        for (std::size_t k = 0; k < n; ++k) {
            if (!byProducts_ || !alike[k])
                std::tie(tx[k], ty[k]) = throughArctangent(bx[k], by[k]);
        }
    }
}

std::pair<float, float> PointTurn::throughArctangent(double x, double y) const
{
    return {rotx(angleDeg_, x, y), roty(angleDeg_, x, y)};
}

} // namespace brelo
