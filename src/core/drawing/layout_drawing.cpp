#include "core/drawing/layout_drawing.h"

#include "core/common/numeric_text.h"
#include "core/drawing/canvas.h"
#include "core/drawing/canvas_coordinate.h"
#include "core/optics/paraxial_trace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brelo {

namespace {

constexpr CanvasColor kBlue = CanvasColor::of(0, 0, 255);
constexpr CanvasColor kYellow = CanvasColor::of(255, 255, 0);
constexpr CanvasColor kGreen = CanvasColor::of(0, 255, 0);
constexpr CanvasColor kBlack = CanvasColor::of(0, 0, 0);
constexpr CanvasColor kRed = CanvasColor::of(255, 0, 0);
constexpr CanvasColor kWhite = CanvasColor::of(255, 255, 255);

// Fixed sizes of the schematic elements, millimetres.
constexpr double kConeHalf = 5.0;      // occulting disc cone: 10 long, 10 high
constexpr double kConeLength = 10.0;
constexpr double kJawInner = 12.0;     // Lyot diaphragm: 24 mm opening
constexpr double kJawOuter = 30.0;
constexpr double kFMarkOffset = 25.0;  // f mark halfway between O3 and O3'
constexpr double kFMarkHalf = 12.5;
constexpr double kO3Spacing = kO3ToO3bMm;
constexpr double kFocusRadius = 2.0;
constexpr double kRayHeight = 20.0;    // rays run parallel between O3 and O3'

// Scale bar, in user units (twips): 100 mm long at the current scale.
constexpr double kBarLeft = 2500.0;
constexpr double kBarY = -1300.0;
constexpr double kBarTick = 50.0;
constexpr double kBarMillimetres = 100.0;

// Label edges far outside the area are held here (well within a widget
// position) so that the window can turn them into pixels; the labels are out of
// sight either way. E = -1 with the design inputs needs 1.9e7.
constexpr double kLabelEdgeLimit = 1.0e8;

double labelEdge(double twips)
{
    return std::clamp(twips, -kLabelEdgeLimit, kLabelEdgeLimit);
}

std::optional<double> readDouble(const std::string &text, char separator)
{
    const NumericText read = readNumber(text, separator);
    if (!read.ok())
        return std::nullopt;
    return read.value;
}

// f1 and D3' are read as single-precision numbers; a value beyond the float
// range is not a number there.
std::optional<double> readSingle(const std::string &text, char separator)
{
    const std::optional<double> value = readDouble(text, separator);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

struct Layout {
    double f1, d1, d2, a, d3, d3b;  // the field texts, millimetres
    double b, c, f3b;               // from the last computation
};

std::optional<Layout> readLayout(const LayoutInput &input, const OpticalState &state, char sep)
{
    const auto f1 = readSingle(input.foco1, sep);
    const auto d1 = readDouble(input.do1, sep);
    const auto d2 = readDouble(input.do2, sep);
    const auto a = readDouble(input.discoc, sep);
    const auto d3 = readDouble(input.do3a, sep);
    const auto d3b = readSingle(input.do3b, sep);
    const auto f3b = readDouble(state.foco3b, sep);
    if (!f1 || !d1 || !d2 || !a || !d3 || !d3b || !f3b)
        return std::nullopt;
    return Layout{*f1, *d1, *d2, *a, *d3, *d3b, state.distb, state.distc, *f3b};
}

// Draws in millimetres along the axis at s twips per millimetre.
class ScaledPen {
public:
    ScaledPen(Canvas &canvas, double scale) : canvas_(canvas), s_(scale) {}

    void segment(double x1, double y1, double x2, double y2, CanvasColor color) const
    {
        canvas_.segment(canvasCoordinate(s_ * x1), canvasCoordinate(s_ * y1), canvasCoordinate(s_ * x2),
                        canvasCoordinate(s_ * y2), color);
    }
    void stroke(double x, double height, CanvasColor color) const
    {
        segment(x, -height / 2, x, height / 2, color);
    }

private:
    Canvas &canvas_;
    double s_;
};

// Positions along the axis, millimetres from O1.
struct AxisPositions {
    double disc, o2, diaphragm, o3, o3b, focus;
};

AxisPositions axisPositions(const Layout &in)
{
    const double xC = in.f1 + in.a + in.c;
    return {in.f1, in.f1 + in.a, in.f1 + in.a + in.b, xC, xC + kO3Spacing, xC + kO3Spacing + in.f3b};
}

void drawElements(Canvas &canvas, const ScaledPen &pen, const Layout &in, const AxisPositions &x, double s)
{
    canvas.setPenWidth(2);
    canvas.setLineStyle(LineStyle::Solid);
    pen.stroke(0.0, in.d1, kBlue);

    // The occulting disc as a cone pointing to O1, whatever its computed size.
    canvas.setPenWidth(1);
    pen.segment(x.disc, -kConeHalf, x.disc, kConeHalf, kYellow);
    pen.segment(x.disc - kConeLength, 0.0, x.disc, kConeHalf, kYellow);
    pen.segment(x.disc - kConeLength, 0.0, x.disc, -kConeHalf, kYellow);

    canvas.setPenWidth(2);
    pen.stroke(x.o2, in.d2, kGreen);
    pen.segment(x.diaphragm, -kJawInner, x.diaphragm, -kJawOuter, kBlack);
    pen.segment(x.diaphragm, kJawInner, x.diaphragm, kJawOuter, kBlack);
    pen.stroke(x.o3, in.d3, kBlue);
    pen.stroke(x.o3 + kFMarkOffset, 2 * kFMarkHalf, kRed);
    pen.stroke(x.o3b, in.d3b, kBlue);
    canvas.circle(canvasCoordinate(s * x.focus), 0.0f, canvasCoordinate(s * kFocusRadius), kRed);
}

// Straight from the rim of O1 past the disc's base, unrefracted to O3,
// parallel to O3', then onto the final focus.
void drawSchematicRays(Canvas &canvas, const ScaledPen &pen, const Layout &in, const AxisPositions &x)
{
    const double h1 = in.d1 / 2;
    canvas.setPenWidth(1);
    canvas.setLineStyle(LineStyle::Dashed);
    pen.segment(0.0, -h1, x.disc, -kConeHalf, kWhite);
    pen.segment(0.0, h1, x.disc, kConeHalf, kWhite);
    pen.segment(x.disc, -kConeHalf, x.o3, -kRayHeight, kWhite);
    pen.segment(x.disc, kConeHalf, x.o3, kRayHeight, kWhite);
    pen.segment(x.o3, -kRayHeight, x.o3b, -kRayHeight, kWhite);
    pen.segment(x.o3, kRayHeight, x.o3b, kRayHeight, kWhite);
    pen.segment(x.o3b, -kRayHeight, x.focus, 0.0, kWhite);
    pen.segment(x.o3b, kRayHeight, x.focus, 0.0, kWhite);
}

// 100 mm at the current scale, in twips from a fixed left end.
void drawScaleBar(Canvas &canvas, double s)
{
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setPenWidth(1);
    const float barLeft = canvasCoordinate(kBarLeft);
    const float barRight = canvasCoordinate(kBarLeft + kBarMillimetres * s);
    const float barY = canvasCoordinate(kBarY);
    const float tickTop = canvasCoordinate(kBarY - kBarTick);
    const float tickBottom = canvasCoordinate(kBarY + kBarTick);
    canvas.segment(barLeft, barY, barRight, barY, kBlack);
    canvas.segment(barLeft, tickTop, barLeft, tickBottom, kBlack);
    canvas.segment(barRight, tickTop, barRight, tickBottom, kBlack);
}

} // namespace

std::optional<LayoutLabelEdges> dessin(Canvas &canvas, const LayoutInput &input,
                                       const OpticalState &state, int scaleSetting,
                                       bool rays, char decimalSeparator)
{
    const std::optional<Layout> read = readLayout(input, state, decimalSeparator);
    if (!read)
        return std::nullopt;
    const Layout &in = *read;

    const double width = canvas.innerWidthTwips();
    const double height = canvas.innerHeightTwips();
    const double s = width / -static_cast<double>(scaleSetting);  // twips per millimetre
    const AxisPositions x = axisPositions(in);

    canvas.setUserScale(kLayoutLeftEdge, -height / 2, width, height);
    canvas.clear();
    const ScaledPen pen(canvas, s);
    drawElements(canvas, pen, in, x, s);
    if (rays)
        drawSchematicRays(canvas, pen, in, x);
    drawScaleBar(canvas, s);

    // Offsets roughly centre each label on its element.
    return LayoutLabelEdges{
        labelEdge(s * x.disc - 200),
        labelEdge(s * x.o2 - 100),
        labelEdge(s * x.diaphragm - 200),
        labelEdge(s * x.o3 - 100),
        labelEdge(s * x.focus - 200),
    };
}

} // namespace brelo
