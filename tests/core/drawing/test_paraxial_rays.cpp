#include "core/drawing/layout_drawing.h"  // the picture's inner size
#include "core/drawing/paraxial_rays.h"
#include "core/drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace brelo {
namespace {

// The design train (C = 4500/17) and the edge of its field, limited by O2 of
// 50 mm: (25 - 1.35) / 1030 radians.
const ParaxialTrace kDesign = paraxialTrace({1000, 90, 200, 30, 4500.0 / 17, 300, 300});
constexpr double kEdge = 23.65 / 1030;
constexpr double kS = kLayoutInnerWidthTwips / 2000;  // twips per mm at E = -2000

// Heights in mm worked by hand (see test_paraxial_trace.cpp) at O1, O2, O3, O3'
// and the final focus, 300 mm behind O3', where dessin puts its focus circle.
// The chief ray ends F·θ below the axis, F = 20000/17.
constexpr std::array<double, 5> kAlong = {0, 1030, 1030 + 4500.0 / 17, 1080 + 4500.0 / 17, 1380 + 4500.0 / 17};
constexpr std::array<double, 5> kMarginal = {45, -1.35, -11.475, -11.475, 0};
constexpr std::array<double, 5> kChief = {0, 1030 * kEdge, -1165.0 / 17 * kEdge, -13495.0 / 51 * kEdge,
                                          -20000.0 / 17 * kEdge};

TEST(ParaxialRays, MarginalRaysAndTheFieldEdgeSegmentBySegment)
{
    RecordingCanvas canvas(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips);
    drawParaxialRays(canvas, kDesign, kEdge, -2000);
    const auto drawn = canvas.drawn();
    ASSERT_EQ(drawn.size(), 12u);
    // Above, below the axis (white), then the chief ray (cyan); up the picture is negative user y.
    const struct {
        const std::array<double, 5> &height;
        double sign;
        CanvasColor color;
    } rays[] = {{kMarginal, 1, CanvasColor::of(255, 255, 255)},
                {kMarginal, -1, CanvasColor::of(255, 255, 255)},
                {kChief, 1, CanvasColor::of(0, 255, 255)}};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const auto &ray = rays[i / 4];
        const std::size_t k = i % 4;
        const double expected[] = {kS * kAlong[k], -kS * ray.sign * ray.height[k], kS * kAlong[k + 1],
                                   -kS * ray.sign * ray.height[k + 1]};
        for (std::size_t a = 0; a < 4; ++a)
            EXPECT_NEAR(drawn[i].args[a], expected[a], 0.01) << "segment " << i << ", argument " << a;
        EXPECT_EQ(drawn[i].color, ray.color) << i;
        EXPECT_EQ(drawn[i].penWidth, 1);
        EXPECT_EQ(drawn[i].lineStyle, LineStyle::Solid);
    }
}

// O3' of zero focal length (calcul accepts it: F = 0) sends the rays off
// without end behind it: those segments are left out, no point is made up.
TEST(ParaxialRays, NoEndlessSegment)
{
    RecordingCanvas canvas(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips);
    drawParaxialRays(canvas, paraxialTrace({1000, 90, 200, 30, 4500.0 / 17, 300, 0}), kEdge, -2000);
    const auto drawn = canvas.drawn();
    EXPECT_EQ(drawn.size(), 9u);  // three segments of each ray, up to O3'
    for (const RecordedOp &op : drawn)
        for (double value : op.args)
            EXPECT_TRUE(std::isfinite(value));
}

} // namespace
} // namespace brelo
