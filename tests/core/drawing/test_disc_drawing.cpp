#include "core/drawing/disc_drawing.h"
#include "core/drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <vector>

namespace brelo {
namespace {

using Kind = RecordedOp::Kind;

constexpr double kTol = 0.01;
constexpr CanvasColor kLightYellow = CanvasColor::of(255, 255, 128);
constexpr CanvasColor kBlack = CanvasColor::of(0, 0, 0);
constexpr CanvasColor kBlue = CanvasColor::of(0, 0, 255);

// Pixels of sweep 1 (128 longitudes × 3 latitudes) come first, then sweep 2.
constexpr std::size_t kSweep2Start = 128 * 3;
constexpr std::size_t kSweep3Start = kSweep2Start + 129 * 4;

RecordingCanvas drawDisc(float anglep, std::optional<float> latb0)
{
    RecordingCanvas canvas(kDiscInnerTwips, kDiscInnerTwips);
    dessinephem(canvas, anglep, latb0);
    return canvas;
}

std::vector<RecordedOp> ofKind(const RecordingCanvas &canvas, Kind kind)
{
    std::vector<RecordedOp> result;
    for (const RecordedOp &op : canvas.ops())
        if (op.kind == kind)
            result.push_back(op);
    return result;
}

void expectPoint(const RecordedOp &op, double x, double y)
{
    EXPECT_NEAR(op.args[0], x, kTol);
    EXPECT_NEAR(op.args[1], y, kTol);
}

TEST(Dessinephem, SetsTheDiscUserScale)
{
    RecordingCanvas canvas(kDiscInnerTwips, kDiscInnerTwips);
    setDiscUserScale(canvas);
    ASSERT_EQ(canvas.ops().size(), 1u);
    EXPECT_EQ(canvas.ops()[0].kind, Kind::SetUserScale);
    EXPECT_EQ(canvas.ops()[0].args, (std::array<double, 4>{-550, -550, 1100, 1100}));
}

TEST(Dessinephem, UprightDiscWithoutTilt)
{
    const RecordingCanvas canvas = drawDisc(0.0f, 0.0f);
    const auto &ops = canvas.ops();
    ASSERT_EQ(ops.size(), 12u + 1803u);

    const std::vector<Kind> head{Kind::Clear, Kind::SetFillColor, Kind::SetFillStyle, Kind::Circle,
                                 Kind::Circle, Kind::Circle, Kind::Circle, Kind::SetLineStyle,
                                 Kind::Segment, Kind::SetLineStyle, Kind::Segment, Kind::SetLineStyle};
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(ops[i].kind, head[i]) << "operation " << i;

    // Disc, S, N and centre dot, all filled light yellow.
    const struct {
        double x, y, r;
        CanvasColor outline;
    } circles[] = {{0, 0, 500, kBlack}, {-0.1, 500, 2, kBlue}, {-0.1, -500, 2, kBlue}, {0, 0, 2, kBlack}};
    for (std::size_t i = 0; i < 4; ++i) {
        const RecordedOp &op = ops[3 + i];
        expectPoint(op, circles[i].x, circles[i].y);
        EXPECT_NEAR(op.args[2], circles[i].r, kTol);
        EXPECT_EQ(op.color, circles[i].outline);
        EXPECT_EQ(op.fillStyle, FillStyle::Solid);
        EXPECT_EQ(op.fillColor, kLightYellow);
    }

    // B0 = 0: S to centre dashed in application workspace, centre to N dotted.
    const RecordedOp &southHalf = ops[8];
    const RecordedOp &northHalf = ops[10];
    EXPECT_EQ(southHalf.lineStyle, LineStyle::Dashed);
    EXPECT_EQ(southHalf.color, CanvasColor::appWorkspace());
    EXPECT_EQ(northHalf.lineStyle, LineStyle::Dotted);
    EXPECT_EQ(northHalf.color, CanvasColor::buttonFace());
    EXPECT_EQ(southHalf.args[2], northHalf.args[0]);  // both halves meet at the centre point
    EXPECT_EQ(southHalf.args[3], northHalf.args[1]);
    expectPoint(southHalf, -0.1, 500);
    EXPECT_NEAR(northHalf.args[0], -0.1, kTol);
    EXPECT_NEAR(northHalf.args[1], 0.1, kTol);
    EXPECT_NEAR(northHalf.args[2], -0.1, kTol);
    EXPECT_NEAR(northHalf.args[3], -500, kTol);
    EXPECT_EQ(ops[11].lineStyle, LineStyle::Solid);

    // Straight rows: sweeps 1 and 4 below the centre, 2 and 3 above and on it.
    const std::map<double, std::size_t> rows{{170.93, 257}, {353.41, 257}, {482.88, 257}, {0.0, 258},
                                            {-170.93, 258}, {-353.41, 258}, {-482.88, 258}};
    std::map<double, std::size_t> counted;
    const auto pixels = ofKind(canvas, Kind::Pixel);
    for (const RecordedOp &p : pixels) {
        EXPECT_EQ(p.color, kBlack);
        bool onARow = false;
        for (const auto &[y, n] : rows) {
            if (std::abs(p.args[1] - y) < kTol) {
                ++counted[y];
                onARow = true;
            }
        }
        EXPECT_TRUE(onARow) << "pixel at y = " << p.args[1];
    }
    EXPECT_EQ(counted, rows);

    expectPoint(pixels[0], 8.20, 170.93);
    expectPoint(pixels[kSweep2Start], -500.00, 0.00);
    expectPoint(pixels[kSweep2Start + 1], -469.85, -170.93);
}

struct TiltCase {
    float p, b0;
    double sx, sy, nx, ny;
    bool northHalfDashed;
    std::vector<std::pair<std::size_t, std::pair<double, double>>> pixels;  // index, expected point
};

TEST(Dessinephem, PolesAxisAndParallelsFollowPAndB0)
{
    const std::vector<TiltCase> cases{
        {20.0f, 5.0f, 170.27, 468.09, -170.45, -468.03, true,
         {{0, {79.94, 195.66}}, {kSweep3Start, {14.90, 40.93}}}},
        {-15.0f, -6.0f, -128.80, 480.29, 128.61, -480.35, false, {}},
        {0.0f, 0.0f, -0.1, 500.0, -0.1, -500.0, false, {{0, {8.20, 170.93}}}},
    };
    for (const TiltCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "P = " << c.p << ", B0 = " << c.b0);
        const RecordingCanvas canvas = drawDisc(c.p, c.b0);
        const auto circles = ofKind(canvas, Kind::Circle);
        ASSERT_EQ(circles.size(), 4u);
        expectPoint(circles[1], c.sx, c.sy);
        expectPoint(circles[2], c.nx, c.ny);

        const auto halves = ofKind(canvas, Kind::Segment);
        ASSERT_EQ(halves.size(), 2u);
        // First the half from S, then the half to N; the centre lies within 0.15 of (0, 0).
        expectPoint(halves[0], c.sx, c.sy);
        EXPECT_NEAR(halves[1].args[2], c.nx, kTol);
        EXPECT_NEAR(halves[1].args[3], c.ny, kTol);
        EXPECT_LT(std::hypot(halves[1].args[0], halves[1].args[1]), 0.15);
        const RecordedOp &dashed = c.northHalfDashed ? halves[1] : halves[0];
        const RecordedOp &dotted = c.northHalfDashed ? halves[0] : halves[1];
        EXPECT_EQ(dashed.lineStyle, LineStyle::Dashed);
        EXPECT_EQ(dashed.color, CanvasColor::appWorkspace());
        EXPECT_EQ(dotted.lineStyle, LineStyle::Dotted);
        EXPECT_EQ(dotted.color, CanvasColor::buttonFace());

        const auto pixels = ofKind(canvas, Kind::Pixel);
        for (const auto &[index, point] : c.pixels)
            expectPoint(pixels.at(index), point.first, point.second);
    }
}

TEST(Dessinephem, AlwaysDrawsTheSameShapesWhateverTheOrientation)
{
    const struct {
        float p;
        std::optional<float> b0;
    } cases[] = {{0, 0}, {0, std::nullopt}, {26.3f, 7.25f}, {-26.3f, -7.25f}, {180, 90}, {-400, -1000}};
    for (const auto &c : cases) {
        const RecordingCanvas canvas = drawDisc(c.p, c.b0);
        EXPECT_EQ(canvas.count(Kind::Pixel), 1803u);
        EXPECT_EQ(canvas.count(Kind::Circle), 4u);
        EXPECT_EQ(canvas.count(Kind::Segment), 2u);
        EXPECT_EQ(canvas.ops().back().lineStyle, LineStyle::Solid);
        for (const RecordedOp &op : canvas.drawn())
            for (const double a : op.args)
                EXPECT_TRUE(std::isfinite(a) && std::abs(a) <= 550);
    }
}

TEST(Dessinephem, EmptyB0DrawsAsZero)
{
    const auto empty = drawDisc(12.5f, std::nullopt).ops();
    const auto zero = drawDisc(12.5f, 0.0f).ops();
    ASSERT_EQ(empty.size(), zero.size());
    for (std::size_t i = 0; i < empty.size(); ++i) {
        EXPECT_EQ(empty[i].args, zero[i].args);
        EXPECT_EQ(empty[i].color, zero[i].color);
        EXPECT_EQ(empty[i].lineStyle, zero[i].lineStyle);
    }
}

TEST(Dessinephem, FlippingB0SwapsTheAxisStylesAndBendsTheArcs)
{
    const RecordingCanvas north = drawDisc(10.0f, 6.0f);
    const RecordingCanvas south = drawDisc(10.0f, -6.0f);
    ASSERT_EQ(north.ops().size(), south.ops().size());
    for (std::size_t i = 0; i < north.ops().size(); ++i)
        EXPECT_EQ(north.ops()[i].kind, south.ops()[i].kind) << "operation " << i;

    const auto northHalves = ofKind(north, Kind::Segment);
    const auto southHalves = ofKind(south, Kind::Segment);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(northHalves[i].lineStyle, southHalves[1 - i].lineStyle);
        EXPECT_EQ(northHalves[i].color, southHalves[1 - i].color);
        EXPECT_NE(northHalves[i].lineStyle, southHalves[i].lineStyle);
    }

    // With P = 0 the equator's middle point (sweep 3, λ = 180) bows towards
    // the south pole (down) for B0 > 0 and towards the north for B0 < 0.
    const auto bowed = [](float b0) { return ofKind(drawDisc(0.0f, b0), Kind::Pixel)[kSweep3Start].args[1]; };
    EXPECT_GT(bowed(6.0f), 10.0);
    EXPECT_LT(bowed(-6.0f), -10.0);
}

// Every dot exactly where the four helpers put it, to the last bit: the
// drawing may share work between dots, never change a value.
TEST(Dessinephem, DotsAreTheHelpersValuesBitForBit)
{
    const struct {
        double from, upTo;
        std::vector<double> latitudes;
        bool mirrorX;
    } sweeps[] = {{1, 90, {20, 45, 75}, false}, {90, 180, {0, 20, 45, 75}, true},
                  {180, 270, {0, 20, 45, 75}, false}, {270, 360, {20, 45, 75}, true}};
    // Drawn again, or with P or B0 alone changed, the disc's dots are the same
    // values as when drawn afresh.
    std::vector<std::pair<float, float>> orientations{{0, 0},      {20, 5},         {20, 5},         {20, 6},
                                                      {21, 6},     {0, 0},          {-15, -6},       {26.3f, 7.25f},
                                                      {-400, 89.9f}, {-400, 89.9f}, {0, 0}};
    // And the orientations of a year of the Sun's, scattered.
    std::mt19937 random(2026);
    std::uniform_real_distribution<float> positionAngle(-26.4f, 26.4f), latitude(-7.26f, 7.26f);
    for (int i = 0; i < 300; ++i)
        orientations.emplace_back(positionAngle(random), latitude(random));
    for (const auto &[p, b0] : orientations) {
        std::vector<std::array<double, 4>> expected;
        for (const auto &sweep : sweeps)
            for (double lon = sweep.from; lon <= sweep.upTo; lon += 0.7)
                for (const double lat : sweep.latitudes) {
                    const double xs = cerclx(500, lon, lat, b0);
                    const double ys = cercly(500, lon, lat, b0);
                    const float rx = rotx(p, xs, ys);
                    const float ry = roty(p, xs, ys);
                    expected.push_back(sweep.mirrorX ? std::array<double, 4>{-rx, ry, 0, 0}
                                                     : std::array<double, 4>{rx, -ry, 0, 0});
                }
        const auto pixels = ofKind(drawDisc(p, b0), Kind::Pixel);
        ASSERT_EQ(pixels.size(), expected.size());
        for (std::size_t i = 0; i < pixels.size(); ++i)
            ASSERT_EQ(pixels[i].args, expected[i]) << "P = " << p << ", B0 = " << b0 << ", dot " << i;
    }
}

TEST(DiscHelpers, KeepTheOneArgumentArctangentAndTheTwoValuesOfPi)
{
    const struct {
        const char *what;
        double got, want;
        double tol;
    } cases[] = {
        {"rotx turns a point on the +x side", rotx(90.0f, 1.0, 0.0), 0.0, 1e-6},
        {"roty turns a point on the +x side", roty(90.0f, 1.0, 0.0), 1.0, 1e-6},
        {"rotx on the -x side gives the point reflected", rotx(0.0f, -1.0, 0.0), 1.0, 1e-6},
        {"roty on the -x side gives the point reflected", roty(0.0f, -1.0, 1.0), -1.0, 1e-6},
        {"rotx of (3, 4) by 0", rotx(0.0f, 3.0, 4.0), 3.0, 1e-5},
        {"roty of (3, 4) by 0", roty(0.0f, 3.0, 4.0), 4.0, 1e-5},
        // sin(π₁) with π₁ = 3.1415927f is -8.74e-8, not 0.
        {"cerclx at 180 uses the float pi", cerclx(500, 180.0, 0.0, 0.0), -4.371e-5, 1e-7},
        {"cerclx ignores B0", cerclx(500, 30.0, 60.0, 45.0), 125.0, 1e-4},
        // -500 sin(3.14) = -0.7963: 3.14 in cercly, not π.
        {"cercly at latitude 180 uses 3.14", cercly(500, 0.0, 180.0, 0.0), -0.79633, 1e-4},
        {"cercly of the equator tilted by B0", cercly(500, 0.0, 0.0, 30.0), -249.885, 1e-3},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(c.got, c.want, c.tol) << c.what;
}

} // namespace
} // namespace brelo
