#include "core/drawing/recording_canvas.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

using Kind = RecordedOp::Kind;

TEST(RecordingCanvas, RecordsEachOperationWithTheAttributesInForce)
{
    RecordingCanvas canvas(100.0, 50.0);
    EXPECT_EQ(canvas.innerWidthTwips(), 100.0);
    EXPECT_EQ(canvas.innerHeightTwips(), 50.0);

    const CanvasColor red = CanvasColor::of(255, 0, 0);
    canvas.segment(1, 2, 3, 4, red);  // a fresh canvas: 1 pixel, solid, transparent
    canvas.setPenWidth(3);
    canvas.setLineStyle(LineStyle::Dotted);
    canvas.setFillColor(CanvasColor::buttonFace());
    canvas.setFillStyle(FillStyle::Solid);
    canvas.circle(5, 6, 7, CanvasColor::appWorkspace());
    canvas.clear();
    canvas.pixel(8.5f, -9.25f, red);

    const auto &ops = canvas.ops();
    ASSERT_EQ(ops.size(), 8u);
    EXPECT_EQ(ops[0].kind, Kind::Segment);
    EXPECT_EQ(ops[0].args, (std::array<double, 4>{1, 2, 3, 4}));
    EXPECT_EQ(ops[0].color, red);
    EXPECT_EQ(ops[0].penWidth, 1);
    EXPECT_EQ(ops[0].lineStyle, LineStyle::Solid);
    EXPECT_EQ(ops[0].fillStyle, FillStyle::Transparent);

    const RecordedOp &circle = ops[5];
    EXPECT_EQ(circle.kind, Kind::Circle);
    EXPECT_EQ(circle.args, (std::array<double, 4>{5, 6, 7, 0}));
    EXPECT_EQ(circle.color, CanvasColor::appWorkspace());
    EXPECT_EQ(circle.penWidth, 3);
    EXPECT_EQ(circle.lineStyle, LineStyle::Dotted);
    EXPECT_EQ(circle.fillStyle, FillStyle::Solid);
    EXPECT_EQ(circle.fillColor, CanvasColor::buttonFace());

    // Clearing the picture keeps the attributes, as a picture area does.
    EXPECT_EQ(ops[7].kind, Kind::Pixel);
    EXPECT_EQ(ops[7].args[1], -9.25);
    EXPECT_EQ(ops[7].penWidth, 3);

    EXPECT_EQ(canvas.drawn().size(), 3u);
    EXPECT_EQ(canvas.count(Kind::SetPenWidth), 1u);
}

} // namespace
} // namespace brelo
