#pragma once

#include <cstddef>
#include <utility>

namespace brelo {

// Turns points by one angle exactly as rotx and roty do, to the last bit of
// their floats, at the price of four products instead of a square root, an
// arctangent, a sine and a cosine per point.
class PointTurn {
public:
    explicit PointTurn(float angleDeg);

    // {rotx(angleDeg, x, y), roty(angleDeg, x, y)}.
    std::pair<float, float> operator()(double x, double y) const;

    // The same for `count` points at once, into turnedX and turnedY: the
    // products in one pass over all of them, which the compiler turns into
    // vector instructions, then the arctangent form for the few near a
    // rounding boundary. For coordinates under 1e30 in size (or NaN or
    // infinite): the products of larger ones could exceed every float.
    void turnAll(const double *x, const double *y, std::size_t count, float *turnedX, float *turnedY) const;

private:
    // rotx and roty themselves, for the points near a boundary.
    std::pair<float, float> throughArctangent(double x, double y) const;

    float angleDeg_;
    double cos_, sin_;
    bool byProducts_;
};

namespace point_turn {

// The product form and the arctangent form differ by a few 1e-12 at most for
// points within 1000 of the origin and turns under 8 radians (angles under 10,
// each libm call within an ulp); the margin is kept far wider than that.
constexpr double kSlack = 1e-9;
constexpr double kProductTurnLimit = 8.0;

// Every value within kSlack of v rounds to the same float as v.
inline bool roundsAlike(double v)
{
    return static_cast<float>(v - kSlack) == static_cast<float>(v + kSlack);
}

} // namespace point_turn

// One point: a batch of one.
inline std::pair<float, float> PointTurn::operator()(double x, double y) const
{
    std::pair<float, float> turned;
    turnAll(&x, &y, 1, &turned.first, &turned.second);
    return turned;
}

} // namespace brelo
