#include "core/drawing/recording_canvas.h"

#include <algorithm>
#include <iterator>

namespace brelo {

RecordingCanvas::RecordingCanvas(double innerWidthTwips, double innerHeightTwips)
    : width_(innerWidthTwips), height_(innerHeightTwips)
{
}

std::vector<RecordedOp> RecordingCanvas::drawn() const
{
    std::vector<RecordedOp> result;
    std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(result),
                 [](const RecordedOp &op) { return op.draws(); });
    return result;
}

std::size_t RecordingCanvas::count(RecordedOp::Kind kind) const
{
    return static_cast<std::size_t>(
        std::count_if(ops_.begin(), ops_.end(), [kind](const RecordedOp &op) { return op.kind == kind; }));
}

void RecordingCanvas::record(RecordedOp::Kind kind, std::array<double, 4> args, CanvasColor color)
{
    RecordedOp op = state_;
    op.kind = kind;
    op.args = args;
    op.color = color;
    ops_.push_back(op);
}

void RecordingCanvas::setUserScale(double left, double top, double width, double height)
{
    record(RecordedOp::Kind::SetUserScale, {left, top, width, height});
}

void RecordingCanvas::clear() { record(RecordedOp::Kind::Clear); }

void RecordingCanvas::setPenWidth(int pixels)
{
    state_.penWidth = pixels;
    record(RecordedOp::Kind::SetPenWidth);
}

void RecordingCanvas::setLineStyle(LineStyle style)
{
    state_.lineStyle = style;
    record(RecordedOp::Kind::SetLineStyle);
}

void RecordingCanvas::setFillStyle(FillStyle style)
{
    state_.fillStyle = style;
    record(RecordedOp::Kind::SetFillStyle);
}

void RecordingCanvas::setFillColor(CanvasColor color)
{
    state_.fillColor = color;
    record(RecordedOp::Kind::SetFillColor);
}

void RecordingCanvas::segment(float x1, float y1, float x2, float y2, CanvasColor color)
{
    record(RecordedOp::Kind::Segment, {x1, y1, x2, y2}, color);
}

void RecordingCanvas::circle(float cx, float cy, float radius, CanvasColor outline)
{
    record(RecordedOp::Kind::Circle, {cx, cy, radius, 0.0}, outline);
}

void RecordingCanvas::pixel(float x, float y, CanvasColor color)
{
    record(RecordedOp::Kind::Pixel, {x, y, 0.0, 0.0}, color);
}

} // namespace brelo
