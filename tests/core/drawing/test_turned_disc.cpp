#include "core/drawing/disc_drawing.h"
#include "core/drawing/recording_canvas.h"
#include "core/drawing/turned_canvas.h"
#include "core/drawing/zenith_up_disc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

namespace brelo {
namespace {

using Kind = RecordedOp::Kind;

// Points arrive and leave in single precision: a few float steps at 500 units.
constexpr double kTol = 2e-3;

RecordingCanvas plainDisc(float anglep, std::optional<float> latb0)
{
    RecordingCanvas canvas(kDiscInnerTwips, kDiscInnerTwips);
    dessinephem(canvas, anglep, latb0);
    return canvas;
}

RecordingCanvas zenithUpDisc(float anglep, std::optional<float> latb0, float q)
{
    RecordingCanvas canvas(kDiscInnerTwips, kDiscInnerTwips);
    dessinephemZenithUp(canvas, anglep, latb0, q);
    return canvas;
}

// Counter-clockwise on the screen (y downwards) by turnDeg about the origin.
std::pair<double, double> screenTurn(double x, double y, double turnDeg)
{
    const double a = turnDeg * std::numbers::pi / 180.0;
    return {x * std::cos(a) + y * std::sin(a), -x * std::sin(a) + y * std::cos(a)};
}

TEST(TurnedCanvas, TurnsCounterClockwiseOnTheScreen)
{
    const struct {
        double turnDeg, x, y, wantX, wantY;
    } cases[] = {
        {90, 0, -100, -100, 0},    // up goes left
        {90, -100, 0, 0, 100},     // left goes down
        {-90, 0, -100, 100, 0},    // up goes right
        {180, 30, 40, -30, -40},
        {0, 12.5, -7.25, 12.5, -7.25},
    };
    for (const auto &c : cases) {
        RecordingCanvas target(100, 100);
        TurnedCanvas turned(target, 0, 0, c.turnDeg);
        turned.pixel(static_cast<float>(c.x), static_cast<float>(c.y), CanvasColor::of(1, 2, 3));
        ASSERT_EQ(target.ops().size(), 1u);
        EXPECT_NEAR(target.ops()[0].args[0], c.wantX, kTol) << "turn " << c.turnDeg << " of (" << c.x << ", " << c.y << ")";
        EXPECT_NEAR(target.ops()[0].args[1], c.wantY, kTol) << "turn " << c.turnDeg << " of (" << c.x << ", " << c.y << ")";
    }
}

TEST(TurnedCanvas, TurnsAboutItsCentreAndKeepsRadii)
{
    RecordingCanvas target(100, 100);
    TurnedCanvas turned(target, 10, 20, 90);
    turned.circle(10, 10, 7, CanvasColor::of(0, 0, 0));  // 10 above the centre
    ASSERT_EQ(target.ops().size(), 1u);
    EXPECT_NEAR(target.ops()[0].args[0], 0, kTol);
    EXPECT_NEAR(target.ops()[0].args[1], 20, kTol);
    EXPECT_EQ(target.ops()[0].args[2], 7);
}

// The turned disc is today's disc, operation for operation, with every point
// turned by −q about the centre and nothing else changed.
TEST(ZenithUpDisc, IsTodaysDiscTurnedByMinusTheNorthZenithAngle)
{
    const struct {
        float anglep;
        std::optional<float> latb0;
        float q;
    } cases[] = {
        {0.0f, 0.0f, 0.0f}, {20.0f, 5.0f, -40.0f}, {-15.0f, -6.0f, 63.5f},
        {26.273f, 5.988f, -179.9f}, {2.381f, std::nullopt, 1.442f},
    };
    for (const auto &c : cases) {
        const RecordingCanvas plain = plainDisc(c.anglep, c.latb0);
        const RecordingCanvas turned = zenithUpDisc(c.anglep, c.latb0, c.q);
        ASSERT_GT(turned.ops().size(), plain.ops().size());
        for (std::size_t i = 0; i < plain.ops().size(); ++i) {
            const RecordedOp &want = plain.ops()[i];
            const RecordedOp &got = turned.ops()[i];
            SCOPED_TRACE(testing::Message() << "P " << c.anglep << " q " << c.q << " operation " << i);
            ASSERT_EQ(got.kind, want.kind);
            EXPECT_EQ(got.color, want.color);
            EXPECT_EQ(got.lineStyle, want.lineStyle);
            EXPECT_EQ(got.fillStyle, want.fillStyle);
            EXPECT_EQ(got.fillColor, want.fillColor);
            const int points = want.kind == Kind::Segment ? 2 : want.draws() ? 1 : 0;
            for (int p = 0; p < points; ++p) {
                const auto [x, y] = screenTurn(want.args[2 * p], want.args[2 * p + 1], -c.q);
                EXPECT_NEAR(got.args[2 * p], x, kTol);
                EXPECT_NEAR(got.args[2 * p + 1], y, kTol);
            }
            if (want.kind == Kind::Circle) {
                EXPECT_EQ(got.args[2], want.args[2]);
            }
        }
    }
}

// Morning, Sun east of the meridian: q < 0, and an observer facing the Sun in
// the south-east sees the celestial north pole up and to the left.
TEST(ZenithUpDisc, MorningPutsNorthAtTheUpperLeft)
{
    const RecordingCanvas plain = plainDisc(0.0f, 0.0f);
    const RecordingCanvas turned = zenithUpDisc(0.0f, 0.0f, -40.0f);
    const RecordedOp &northPole = turned.ops()[5];  // disc, south pole, north pole
    ASSERT_EQ(northPole.kind, Kind::Circle);
    EXPECT_NEAR(northPole.args[0], -500 * std::sin(40 * std::numbers::pi / 180), 0.1);
    EXPECT_NEAR(northPole.args[1], -500 * std::cos(40 * std::numbers::pi / 180), 0.1);

    // The first mark is north's tick, on the same bearing as the pole.
    const RecordedOp &northTick = turned.ops()[plain.ops().size()];
    ASSERT_EQ(northTick.kind, Kind::Segment);
    EXPECT_NEAR(std::atan2(northTick.args[0], -northTick.args[1]), std::atan2(northPole.args[0], -northPole.args[1]),
                1e-3);
}

// Every mark stays in the margin between the disc and the picture's edge.
TEST(ZenithUpDisc, MarksStayBetweenTheRimAndTheEdge)
{
    for (float q = -180.0f; q <= 180.0f; q += 7.5f) {
        const RecordingCanvas plain = plainDisc(10.0f, 3.0f);
        const RecordingCanvas turned = zenithUpDisc(10.0f, 3.0f, q);
        const std::size_t marks = turned.ops().size() - plain.ops().size();
        EXPECT_EQ(marks, 4u + 3 + 4 + 11 + 4 + 3 + 3) << "ticks, N, E, S, W, arrow, Z";
        for (std::size_t i = plain.ops().size(); i < turned.ops().size(); ++i) {
            const RecordedOp &op = turned.ops()[i];
            ASSERT_EQ(op.kind, Kind::Segment);
            for (int p = 0; p < 2; ++p) {
                const double x = op.args[2 * p];
                const double y = op.args[2 * p + 1];
                EXPECT_GT(std::hypot(x, y), 502.0) << "q " << q << " mark " << i;
                EXPECT_LE(std::max(std::abs(x), std::abs(y)), 550.0) << "q " << q << " mark " << i;
            }
        }
    }
}

} // namespace
} // namespace brelo
