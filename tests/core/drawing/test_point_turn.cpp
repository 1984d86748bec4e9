#include "core/drawing/point_turn.h"

#include "core/common/angles.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace brelo {
namespace {

// The disc's turn as first written: one-argument arctangent, then cosine and
// sine of the turned angle.
std::pair<float, float> byArctangent(float angleDeg, double x, double y)
{
    const double r = std::sqrt(x * x + y * y);
    const double a = std::atan(y / x) + degToRad(angleDeg);
    return {static_cast<float>(r * std::cos(a)), static_cast<float>(r * std::sin(a))};
}

// Equal to the bit, any NaN equal to any NaN.
bool sameFloat(float a, float b)
{
    return (std::isnan(a) && std::isnan(b)) || std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

::testing::AssertionResult sameTurn(float angleDeg, double x, double y)
{
    const auto [gotX, gotY] = PointTurn(angleDeg)(x, y);
    const auto [wantX, wantY] = byArctangent(angleDeg, x, y);
    if (sameFloat(gotX, wantX) && sameFloat(gotY, wantY))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "angle " << angleDeg << ", point (" << x << ", " << y << "): got (" << gotX
                                         << ", " << gotY << "), want (" << wantX << ", " << wantY << ")";
}

TEST(PointTurn, GivesTheArctangentFormsFloatsOverTheDiscAndBeyond)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> coordinate(-720.0, 720.0);
    std::uniform_real_distribution<float> sunAngle(-27.0f, 27.0f);
    std::uniform_real_distribution<float> anyAngle(-460.0f, 460.0f);
    for (int i = 0; i < 200000; ++i) {
        const float angle = i % 4 == 0 ? anyAngle(random) : sunAngle(random);
        ASSERT_TRUE(sameTurn(angle, coordinate(random), coordinate(random)));
    }
}

// Points whose turned abscissa lies within 1e-13 of the midpoint between two
// floats: there the two forms may round apart, and only the arctangent's
// float is right.
TEST(PointTurn, KeepsTheArctangentsFloatOnARoundingBoundary)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<float> sunAngle(-27.0f, 27.0f);
    std::uniform_real_distribution<double> target(-480.0, 480.0);
    int productsAlone = 0;  // points where bare products would round apart
    for (int i = 0; i < 20000; ++i) {
        const float angle = sunAngle(random);
        const float below = static_cast<float>(target(random));
        const double midpoint = (static_cast<double>(below) + std::nextafter(below, 1000.0f)) / 2.0;
        const double ordinate = target(random);
        // The point that turns onto (midpoint, ordinate), on the x > 0 side.
        const double t = degToRad(angle);
        double x = midpoint * std::cos(t) + ordinate * std::sin(t);
        double y = -midpoint * std::sin(t) + ordinate * std::cos(t);
        if (x < 0) {
            x = -x;
            y = -y;
        }
        ASSERT_TRUE(sameTurn(angle, x, y));
        const double side = x < 0 ? -1.0 : 1.0;
        const float bare = static_cast<float>(side * (x * std::cos(t) - y * std::sin(t)));
        productsAlone += !sameFloat(bare, byArctangent(angle, x, y).first);
    }
    // The set reaches the boundary cases: products alone get some of them wrong.
    EXPECT_GT(productsAlone, 100);
}

TEST(PointTurn, OddPointsAndTurnsTakeTheArctangentForm)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        float angle;
        double x, y;
    } cases[] = {
        {20.0f, 0.0, 300.0},   {20.0f, -0.0, 300.0},  {20.0f, 0.0, -300.0}, {20.0f, -0.0, -300.0},
        {20.0f, 0.0, 0.0},     {20.0f, 1e-300, 5.0},  {-20.0f, -1e-300, 5.0}, {20.0f, 3e-9, 1e-9},
        {1e6f, 300.0, 200.0},  {-1e6f, -300.0, 200.0}, {20.0f, 5000.0, 1.0},  {20.0f, -1.0, 5000.0},
        {20.0f, nan, 1.0},     {20.0f, 1.0, nan},     {20.0f, inf, 1.0},    {20.0f, 1.0, inf},
        {std::numeric_limits<float>::quiet_NaN(), 300.0, 200.0},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(sameTurn(c.angle, c.x, c.y));
}

// Many points at once, each as rotx and roty give it: random points, points
// on a rounding boundary and odd ones, mixed in one batch per turn.
TEST(PointTurn, TurnsABatchAsEachPointAlone)
{
    std::mt19937_64 random(1208);
    std::uniform_real_distribution<double> coordinate(-720.0, 720.0);
    std::uniform_real_distribution<float> sunAngle(-27.0f, 27.0f);
    std::uniform_real_distribution<float> anyAngle(-460.0f, 460.0f);
    const double odd[] = {0.0, -0.0, 1e-300, 5000.0, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()};
    for (int batch = 0; batch < 40; ++batch) {
        const float angle = batch == 39 ? 1e6f : batch % 4 == 0 ? anyAngle(random) : sunAngle(random);
        const double t = degToRad(angle);
        std::vector<double> xs, ys;
        for (int i = 0; i < 3001; ++i) {  // an odd count: the batch's last point is alone
            double x = coordinate(random), y = coordinate(random);
            if (i % 3 == 1) {  // onto a float midpoint, as the boundary test builds them
                const float below = static_cast<float>(x);
                const double midpoint = (static_cast<double>(below) + std::nextafter(below, 1000.0f)) / 2.0;
                x = midpoint * std::cos(t) + y * std::sin(t);
                y = -midpoint * std::sin(t) + y * std::cos(t);
            } else if (i % 97 == 5) {
                x = odd[i % 6];
            }
            xs.push_back(x);
            ys.push_back(y);
        }
        std::vector<float> turnedX(xs.size()), turnedY(xs.size());
        PointTurn(angle).turnAll(xs.data(), ys.data(), xs.size(), turnedX.data(), turnedY.data());
        for (std::size_t k = 0; k < xs.size(); ++k) {
            const auto [wantX, wantY] = byArctangent(angle, xs[k], ys[k]);
            ASSERT_TRUE(sameFloat(turnedX[k], wantX) && sameFloat(turnedY[k], wantY))
                << "angle " << angle << ", point " << k << " (" << xs[k] << ", " << ys[k] << ")";
        }
    }
}

} // namespace
} // namespace brelo
