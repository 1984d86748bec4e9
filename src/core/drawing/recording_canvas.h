#pragma once

#include "core/drawing/canvas.h"

#include <array>
#include <cstddef>
#include <vector>

namespace brelo {

// One canvas operation as it was issued, with the drawing attributes in force
// once it had taken effect.
struct RecordedOp {
    enum class Kind { SetUserScale, Clear, SetPenWidth, SetLineStyle, SetFillStyle, SetFillColor, Segment, Circle, Pixel };

    Kind kind = Kind::Clear;
    // SetUserScale: left, top, width, height; Segment: x1, y1, x2, y2;
    // Circle: cx, cy, radius; Pixel: x, y. Floats are widened exactly.
    std::array<double, 4> args{};
    CanvasColor color;  // of a segment, circle outline or pixel

    int penWidth = 1;
    LineStyle lineStyle = LineStyle::Solid;
    FillStyle fillStyle = FillStyle::Transparent;
    CanvasColor fillColor;

    bool draws() const { return kind == Kind::Segment || kind == Kind::Circle || kind == Kind::Pixel; }
};

// A canvas that only writes down what it is asked to do: for tests, the
// scenario driver and the benchmarks.
class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(double innerWidthTwips, double innerHeightTwips);

    const std::vector<RecordedOp> &ops() const { return ops_; }
    std::vector<RecordedOp> drawn() const;  // segments, circles and pixels only
    std::size_t count(RecordedOp::Kind kind) const;

    double innerWidthTwips() const override { return width_; }
    double innerHeightTwips() const override { return height_; }
    void setUserScale(double left, double top, double width, double height) override;

    void clear() override;
    void setPenWidth(int pixels) override;
    void setLineStyle(LineStyle style) override;
    void setFillStyle(FillStyle style) override;
    void setFillColor(CanvasColor color) override;

    void segment(float x1, float y1, float x2, float y2, CanvasColor color) override;
    void circle(float cx, float cy, float radius, CanvasColor outline) override;
    void pixel(float x, float y, CanvasColor color) override;

private:
    void record(RecordedOp::Kind kind, std::array<double, 4> args = {}, CanvasColor color = {});

    double width_;
    double height_;
    RecordedOp state_;  // attributes in force
    std::vector<RecordedOp> ops_;
};

} // namespace brelo
