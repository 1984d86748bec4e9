#include "core/drawing/layout_drawing.h"
#include "core/drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace brelo {
namespace {

using Kind = RecordedOp::Kind;

constexpr double kTol = 0.01;
constexpr CanvasColor kBlue = CanvasColor::of(0, 0, 255);
constexpr CanvasColor kYellow = CanvasColor::of(255, 255, 0);
constexpr CanvasColor kGreen = CanvasColor::of(0, 255, 0);
constexpr CanvasColor kBlack = CanvasColor::of(0, 0, 0);
constexpr CanvasColor kRed = CanvasColor::of(255, 0, 0);
constexpr CanvasColor kWhite = CanvasColor::of(255, 255, 255);

// Design-time texts; B and C are the optical computation's results for them
// (1 / (1/200 - 1/1030) and 300 - 1 / (1/30 - 1/200)).
LayoutInput designInput() { return {"1000", "90", "50", "30", "50", "50"}; }

OpticalState designState()
{
    OpticalState state;
    state.foco3b = "300";
    state.distb = 248.19277108433735;
    state.distc = 264.70588235294116;
    return state;
}

struct Drawing {
    RecordingCanvas canvas{kLayoutInnerWidthTwips, kLayoutInnerHeightTwips};
    std::optional<LayoutLabelEdges> edges;
};

Drawing draw(const LayoutInput &input = designInput(), int scale = -2000, bool rays = true,
             const OpticalState &state = designState())
{
    Drawing d;
    d.edges = dessin(d.canvas, input, state, scale, rays, '.');
    return d;
}

struct ExpectedOp {
    Kind kind;
    std::vector<double> args;
    CanvasColor color{};
    int penWidth = 1;
    LineStyle style = LineStyle::Solid;
};

TEST(Dessin, WorkedExampleDrawsEveryElementInOrder)
{
    // s = 11475 / 2000 = 5.7375 twips per mm; every number below is s × mm.
    const std::vector<ExpectedOp> expected{
        {Kind::SetUserScale, {-100, -1477.5, 11475, 2955}},
        {Kind::Clear, {}},
        {Kind::SetPenWidth, {}, {}, 2},
        {Kind::SetLineStyle, {}, {}, 2},
        {Kind::Segment, {0, -258.1875, 0, 258.1875}, kBlue, 2},                   // O1, D1 = 90
        {Kind::SetPenWidth, {}, {}, 1},
        {Kind::Segment, {5737.5, -28.6875, 5737.5, 28.6875}, kYellow},            // disc cone
        {Kind::Segment, {5680.125, 0, 5737.5, 28.6875}, kYellow},
        {Kind::Segment, {5680.125, 0, 5737.5, -28.6875}, kYellow},
        {Kind::SetPenWidth, {}, {}, 2},
        {Kind::Segment, {5909.625, -143.4375, 5909.625, 143.4375}, kGreen, 2},    // O2
        {Kind::Segment, {7333.631, -68.85, 7333.631, -172.125}, kBlack, 2},       // diaphragm jaws
        {Kind::Segment, {7333.631, 68.85, 7333.631, 172.125}, kBlack, 2},
        {Kind::Segment, {7428.375, -143.4375, 7428.375, 143.4375}, kBlue, 2},     // O3
        {Kind::Segment, {7571.8125, -71.71875, 7571.8125, 71.71875}, kRed, 2},    // f mark
        {Kind::Segment, {7715.25, -143.4375, 7715.25, 143.4375}, kBlue, 2},       // O3'
        {Kind::Circle, {9436.5, 0, 11.475}, kRed, 2},                             // final focus
        {Kind::SetPenWidth, {}, {}, 1},
        {Kind::SetLineStyle, {}, {}, 1, LineStyle::Dashed},
        {Kind::Segment, {0, -258.1875, 5737.5, -28.6875}, kWhite, 1, LineStyle::Dashed},
        {Kind::Segment, {0, 258.1875, 5737.5, 28.6875}, kWhite, 1, LineStyle::Dashed},
        {Kind::Segment, {5737.5, -28.6875, 7428.375, -114.75}, kWhite, 1, LineStyle::Dashed},
        {Kind::Segment, {5737.5, 28.6875, 7428.375, 114.75}, kWhite, 1, LineStyle::Dashed},
        {Kind::Segment, {7428.375, -114.75, 7715.25, -114.75}, kWhite, 1, LineStyle::Dashed},
        {Kind::Segment, {7428.375, 114.75, 7715.25, 114.75}, kWhite, 1, LineStyle::Dashed},
        {Kind::Segment, {7715.25, -114.75, 9436.5, 0}, kWhite, 1, LineStyle::Dashed},
        {Kind::Segment, {7715.25, 114.75, 9436.5, 0}, kWhite, 1, LineStyle::Dashed},
        {Kind::SetLineStyle, {}, {}, 1},
        {Kind::SetPenWidth, {}, {}, 1},
        {Kind::Segment, {2500, -1300, 3073.75, -1300}, kBlack},                  // scale bar, 100 mm
        {Kind::Segment, {2500, -1350, 2500, -1250}, kBlack},
        {Kind::Segment, {3073.75, -1350, 3073.75, -1250}, kBlack},
    };

    const Drawing d = draw();
    const auto &ops = d.canvas.ops();
    ASSERT_EQ(ops.size(), expected.size());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "operation " << i);
        EXPECT_EQ(ops[i].kind, expected[i].kind);
        for (std::size_t a = 0; a < expected[i].args.size(); ++a)
            EXPECT_NEAR(ops[i].args[a], expected[i].args[a], kTol) << "argument " << a;
        if (ops[i].draws()) {
            EXPECT_EQ(ops[i].color, expected[i].color);
            EXPECT_EQ(ops[i].fillStyle, FillStyle::Transparent);  // the focus circle is unfilled
        }
        EXPECT_EQ(ops[i].penWidth, expected[i].penWidth);
        EXPECT_EQ(ops[i].lineStyle, expected[i].style);
    }

    ASSERT_TRUE(d.edges);
    EXPECT_NEAR(d.edges->lblpicdo, 5537.5, kTol);
    EXPECT_NEAR(d.edges->lblpico2, 5809.625, kTol);
    EXPECT_NEAR(d.edges->lblpicdia, 7133.631, kTol);
    EXPECT_NEAR(d.edges->lblpico3, 7328.375, kTol);
    EXPECT_NEAR(d.edges->lblpicfoy, 9236.5, kTol);
}

// The shapes that carry millimetres (everything but the scale bar's fixed
// left end and height) scale with s = W / -E.
TEST(Dessin, ScaleSettingScalesTheTrain)
{
    const Drawing reference = draw();
    const auto refShapes = reference.canvas.drawn();
    struct Case {
        int scale;
        double factor;  // of s relative to E = -2000
    };
    for (const Case c : {Case{-10000, 0.2}, Case{-1000, 2.0}, Case{-1, 2000.0}}) {
        SCOPED_TRACE(testing::Message() << "E = " << c.scale);
        const Drawing d = draw(designInput(), c.scale);
        const auto shapes = d.canvas.drawn();
        ASSERT_EQ(shapes.size(), refShapes.size());
        for (std::size_t i = 0; i + 3 < shapes.size(); ++i) {
            for (std::size_t a = 0; a < 4; ++a) {
                const double want = refShapes[i].args[a] * c.factor;
                EXPECT_NEAR(shapes[i].args[a], want, std::max(kTol, std::abs(want) * 1e-6));
            }
        }
        // Scale bar: left end and ticks fixed in twips, length 100 mm at s.
        const auto &bar = shapes[shapes.size() - 3];
        EXPECT_DOUBLE_EQ(bar.args[0], 2500.0);
        EXPECT_DOUBLE_EQ(bar.args[1], -1300.0);
        EXPECT_NEAR(bar.args[2], 2500.0 + 100 * 5.7375 * c.factor, kTol);
        EXPECT_DOUBLE_EQ(shapes[shapes.size() - 2].args[0], 2500.0);
        ASSERT_TRUE(d.edges);
        EXPECT_NEAR(d.edges->lblpicfoy, 9436.5 * c.factor - 200, std::max(kTol, 9436.5 * c.factor * 1e-6));
    }
}

// Index of each drawn shape in the worked example's order.
enum Shape { O1, ConeBase, ConeUpper, ConeLower, O2, JawTop, JawBottom, O3, FMark, O3b, Focus };

TEST(Dessin, FixedSizeElementsIgnoreTheInputsWhileLensesFollowTheirDiameters)
{
    struct Case {
        LayoutInput input;
        double d1, d2, d3, d3b;
    };
    const std::vector<Case> cases{
        {{"1000", "90", "50", "30", "50", "50"}, 90, 50, 50, 50},
        {{"800", "120", "20", "45", "75", "33"}, 120, 20, 75, 33},
        {{"1500", "60", "200", "10", "5", "400"}, 60, 200, 5, 400},
    };
    const double s = 5.7375;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.input.foco1);
        const auto shapes = draw(c.input).canvas.drawn();
        auto height = [&](Shape shape) { return shapes[shape].args[3] - shapes[shape].args[1]; };
        auto x = [&](Shape shape) { return static_cast<double>(shapes[shape].args[0]); };

        EXPECT_NEAR(height(O1), s * c.d1, kTol);
        EXPECT_NEAR(height(O2), s * c.d2, kTol);
        EXPECT_NEAR(height(O3), s * c.d3, kTol);
        EXPECT_NEAR(height(O3b), s * c.d3b, kTol);

        EXPECT_NEAR(height(ConeBase), s * 10, kTol);
        EXPECT_NEAR(x(ConeBase) - shapes[ConeUpper].args[0], s * 10, kTol);
        EXPECT_NEAR(shapes[JawTop].args[1], -s * 12, kTol);
        EXPECT_NEAR(shapes[JawTop].args[3], -s * 30, kTol);
        EXPECT_NEAR(shapes[JawBottom].args[1], s * 12, kTol);
        EXPECT_NEAR(shapes[JawBottom].args[3], s * 30, kTol);
        EXPECT_NEAR(height(FMark), s * 25, kTol);
        EXPECT_NEAR(x(FMark) - x(O3), s * 25, kTol);
        EXPECT_NEAR(x(O3b) - x(O3), s * 50, kTol);
        EXPECT_NEAR(shapes[Focus].args[2], s * 2, kTol);
        const std::size_t firstRay = Focus + 1;
        EXPECT_NEAR(shapes[firstRay].args[3], -s * 5, kTol);
        EXPECT_NEAR(shapes[firstRay + 2].args[3], -s * 20, kTol);
        EXPECT_NEAR(shapes[firstRay + 5].args[1], s * 20, kTol);
    }
}

TEST(Dessin, UncheckingTheRaysRemovesExactlyTheEightWhiteDashedSegments)
{
    const auto with = draw(designInput(), -2000, true).canvas.drawn();
    const auto without = draw(designInput(), -2000, false).canvas.drawn();
    std::vector<RecordedOp> rest;
    std::size_t removed = 0;
    for (const RecordedOp &op : with) {
        if (op.kind == Kind::Segment && op.color == kWhite && op.lineStyle == LineStyle::Dashed)
            ++removed;
        else
            rest.push_back(op);
    }
    EXPECT_EQ(removed, 8u);
    ASSERT_EQ(without.size(), rest.size());
    for (std::size_t i = 0; i < rest.size(); ++i) {
        EXPECT_EQ(without[i].kind, rest[i].kind);
        EXPECT_EQ(without[i].args, rest[i].args);
        EXPECT_EQ(without[i].color, rest[i].color);
        EXPECT_EQ(without[i].penWidth, rest[i].penWidth);
        EXPECT_EQ(without[i].lineStyle, rest[i].lineStyle);
    }
}

TEST(Dessin, LabelsFollowTheScale)
{
    // W = 10000 with E = -2000 gives s = 5: the disc's label at 5 × 1000 - 200.
    RecordingCanvas canvas(10000.0, kLayoutInnerHeightTwips);
    const auto edges = dessin(canvas, designInput(), designState(), -2000, true, '.');
    ASSERT_TRUE(edges);
    EXPECT_NEAR(edges->lblpicdo, 4800.0, kTol);
    EXPECT_NEAR(edges->lblpicdo - kLayoutLeftEdge, 4900.0, kTol);
}

TEST(Dessin, ReadsF1AndD3bInSinglePrecisionAndTheOthersInDouble)
{
    // 1000.1 as a float is 1000.0999755859375. With s = 11475 / 3000 = 3.825
    // the half-diameters of O1 (double) and O3' (float) land on different floats.
    const LayoutInput input{"1000.1", "1000.1", "50", "30", "50", "1000.1"};
    const Drawing d = draw(input, -3000);
    const auto shapes = d.canvas.drawn();
    EXPECT_EQ(shapes[O1].args[1], static_cast<float>(-3.825 * 500.05));
    EXPECT_EQ(shapes[O3b].args[1], static_cast<float>(-3.825 * 500.04998779296875));
    EXPECT_NE(shapes[O1].args[1], shapes[O3b].args[1]);
    ASSERT_TRUE(d.edges);
    EXPECT_DOUBLE_EQ(d.edges->lblpicdo, 3.825 * 1000.0999755859375 - 200);
}

TEST(Dessin, ReadsTheTextsWithTheGivenSeparator)
{
    RecordingCanvas canvas(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips);
    OpticalState state = designState();
    state.foco3b = "300,5";
    const LayoutInput input{"1000,5", "90,5", "50", "30", "50", "50"};
    ASSERT_TRUE(dessin(canvas, input, state, -11475, true, ','));  // s = 1
    const auto shapes = canvas.drawn();
    EXPECT_DOUBLE_EQ(shapes[ConeBase].args[0], 1000.5);
    EXPECT_DOUBLE_EQ(shapes[O1].args[3], 45.25);
    EXPECT_NEAR(shapes[Focus].args[0], 1000.5 + 30 + 264.70588 + 50 + 300.5, kTol);
}

TEST(Dessin, TextThatIsNotANumberDrawsNothing)
{
    struct Case {
        const char *what;
        LayoutInput input;
        std::string foco3b;
    };
    const std::vector<Case> cases{
        {"f1 letters", {"abc", "90", "50", "30", "50", "50"}, "300"},
        {"D1 empty", {"1000", "", "50", "30", "50", "50"}, "300"},
        {"D2 two separators", {"1000", "90", "5,5.5", "30", "50", "50"}, "300"},
        {"A letters", {"1000", "90", "50", "x", "50", "50"}, "300"},
        {"D3 blank", {"1000", "90", "50", "30", " ", "50"}, "300"},
        {"D3' letters", {"1000", "90", "50", "30", "50", "zz"}, "300"},
        {"f3' empty", {"1000", "90", "50", "30", "50", "50"}, ""},
        {"f1 beyond a float", {"1e39", "90", "50", "30", "50", "50"}, "300"},
        {"D3' beyond a float", {"1000", "90", "50", "30", "50", "-4e38"}, "300"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        OpticalState state = designState();
        state.foco3b = c.foco3b;
        const Drawing d = draw(c.input, -2000, true, state);
        EXPECT_FALSE(d.edges);
        EXPECT_TRUE(d.canvas.ops().empty());
    }
}

TEST(Dessin, HugeDistancesStayFiniteOffTheArea)
{
    OpticalState state = designState();
    state.distc = 1e308;
    const Drawing d = draw({"1000", "90", "50", "1e308", "50", "50"}, -1, true, state);
    ASSERT_TRUE(d.edges);
    for (const RecordedOp &op : d.canvas.drawn())
        for (const double a : op.args)
            EXPECT_TRUE(std::isfinite(a));
    EXPECT_TRUE(std::isfinite(d.edges->lblpicfoy));
    EXPECT_GT(d.edges->lblpicfoy, kLayoutInnerWidthTwips);
    EXPECT_LE(d.edges->lblpicfoy, 1e8);
}

} // namespace
} // namespace brelo
