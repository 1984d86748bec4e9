#pragma once

#include <QImage>
#include <QPointF>
#include <QRgb>

#include <optional>
#include <vector>

namespace brelo {

// A circle as the raster engine draws it (non-antialiased, on the image's
// logical pixels), kept as runs of device pixels: a drawing repeats the same
// circles at every run, and writing the runs again costs a few row fills
// instead of a rasterisation.
class CircleStamps {
public:
    struct Circle {
        QPointF centre;  // logical pixels
        double radius;
        QRgb outline;
        std::optional<QRgb> fill;
        int penWidth;  // 0 is a cosmetic one-device-pixel pen
        bool operator==(const Circle &) const = default;
    };
    struct Run {
        int y, left, right;  // device pixels, right excluded
        QRgb color;
    };

    // The runs that paint `circle` on an image of this size and pixel ratio,
    // or nothing when the engine's pixels are not all opaque (then the circle
    // must be painted on the picture itself).
    const std::vector<Run> *runs(const Circle &circle, QSize size, qreal ratio);

private:
    struct Stamp {
        Circle circle;
        QSize size;
        qreal ratio;
        std::optional<std::vector<Run>> runs;
    };
    static std::optional<std::vector<Run>> rasterise(const Circle &circle, QSize size, qreal ratio);

    std::vector<Stamp> stamps_;  // most recently used first
};

// Paints the circle with QPainter, as the stamps reproduce it.
void paintCircle(QImage &image, const CircleStamps::Circle &circle);

} // namespace brelo
