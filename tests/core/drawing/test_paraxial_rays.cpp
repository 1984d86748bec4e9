#include "core/drawing/layout_drawing.h"
#include "core/drawing/paraxial_rays.h"
#include "core/drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace brelo {
namespace {

constexpr CanvasColor kWhite = CanvasColor::of(255, 255, 255);
constexpr CanvasColor kCyan = CanvasColor::of(0, 255, 255);

// The design train (C = 4500/17) and the edge of its field, limited by O2 of
// 50 mm: (25 - 1.35) / 1030 radians.
const ParaxialTrace kDesign = paraxialTrace({1000, 90, 200, 30, 4500.0 / 17, 300, 300});
constexpr double kEdge = 23.65 / 1030;

// Heights in mm worked by hand (see test_paraxial_trace.cpp), at O1, O2, O3,
// O3' and at the final focus, 300 mm behind O3'; x = 0, 1030, 1294.706,
// 1344.706, 1644.706 mm. The chief ray ends F·θ below the axis: F = 1176.47.
constexpr std::array<double, 5> kAlong = {0, 1030, 1030 + 4500.0 / 17, 1080 + 4500.0 / 17, 1380 + 4500.0 / 17};
constexpr std::array<double, 5> kMarginal = {45, -1.35, -11.475, -11.475, 0};
constexpr std::array<double, 5> kChief = {0, 1030 * kEdge, -1165.0 / 17 * kEdge, -13495.0 / 51 * kEdge,
                                          -20000.0 / 17 * kEdge};

TEST(ParaxialRays, MarginalRaysAndTheFieldEdgeSegmentBySegment)
{
    RecordingCanvas canvas(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips);
    drawParaxialRays(canvas, kDesign, kEdge, -2000);
    const double s = kLayoutInnerWidthTwips / 2000;  // twips per mm

    struct Ray {
        const std::array<double, 5> &heights;
        double sign;
        CanvasColor color;
    };
    std::vector<std::array<double, 4>> expected;
    std::vector<CanvasColor> colors;
    for (const Ray ray : {Ray{kMarginal, 1, kWhite}, Ray{kMarginal, -1, kWhite}, Ray{kChief, 1, kCyan}}) {
        for (std::size_t k = 0; k < 4; ++k) {
            // Up the picture is towards negative user y.
            expected.push_back({s * kAlong[k], -s * ray.sign * ray.heights[k], s * kAlong[k + 1],
                                -s * ray.sign * ray.heights[k + 1]});
            colors.push_back(ray.color);
        }
    }
    const auto drawn = canvas.drawn();
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "segment " << i);
        EXPECT_EQ(drawn[i].kind, RecordedOp::Kind::Segment);
        for (std::size_t a = 0; a < 4; ++a)
            EXPECT_NEAR(drawn[i].args[a], expected[i][a], 0.01) << "argument " << a;
        EXPECT_EQ(drawn[i].color, colors[i]);
        EXPECT_EQ(drawn[i].penWidth, 1);
        EXPECT_EQ(drawn[i].lineStyle, LineStyle::Solid);
    }
}

// Over dessin's picture, the rays meet the lenses where it draws them and
// converge on its focus circle; a field cut at its centre draws no chief ray.
TEST(ParaxialRays, FitDessinsPicture)
{
    RecordingCanvas canvas(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips);
    OpticalState state;
    state.foco3b = "300";
    state.distb = 206000.0 / 830;
    state.distc = 4500.0 / 17;
    ASSERT_TRUE(dessin(canvas, {"1000", "90", "50", "30", "50", "50"}, state, -2000, false, '.'));
    const std::size_t before = canvas.drawn().size();
    drawParaxialRays(canvas, kDesign, 0.0, -2000);
    const auto drawn = canvas.drawn();
    ASSERT_EQ(drawn.size(), before + 8);

    const auto lensX = [&](std::size_t i) { return drawn[i].args[0]; };
    const RecordedOp &focus = drawn[before - 4];  // the circle, before the scale bar's three strokes
    ASSERT_EQ(focus.kind, RecordedOp::Kind::Circle);
    for (std::size_t ray = 0; ray < 2; ++ray) {
        const std::size_t first = before + 4 * ray;
        EXPECT_NEAR(drawn[first].args[0], lensX(0), 0.01);      // O1
        EXPECT_NEAR(drawn[first + 1].args[0], lensX(4), 0.01);  // O2
        EXPECT_NEAR(drawn[first + 2].args[0], lensX(7), 0.01);  // O3
        EXPECT_NEAR(drawn[first + 3].args[0], lensX(9), 0.01);  // O3'
        EXPECT_NEAR(drawn[first + 3].args[2], focus.args[0], 0.01);
        EXPECT_NEAR(drawn[first + 3].args[3], focus.args[1], 0.01);
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
