#include "ui/widgets/line_plotter.h"

#include <algorithm>
#include <cmath>

namespace brelo {

namespace {

// Pixels on, pixels off, along the line's major axis.
struct DashPattern {
    int on, off;
};
constexpr DashPattern kSolid{1, 0};
constexpr DashPattern kDashed{18, 6};
constexpr DashPattern kDotted{3, 3};

void fillSquare(QImage &image, int left, int top, int size, QRgb color)
{
    const QRect square = QRect(left, top, size, size).intersected(image.rect());
    for (int y = square.top(); y <= square.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line + square.left(), line + square.right() + 1, color);
    }
}

} // namespace

QRect plotLine(QImage &image, QPoint from, QPoint to, QRgb color, int penWidth, LineStyle style, double ratio)
{
    const DashPattern pattern = style == LineStyle::Dashed ? kDashed : style == LineStyle::Dotted ? kDotted : kSolid;
    const int on = std::max(static_cast<int>(std::lround(pattern.on * ratio)), 1);
    const int period = style == LineStyle::Solid ? on : on + static_cast<int>(std::lround(pattern.off * ratio));
    const int pen = penWidth == 1 ? 1 : static_cast<int>(std::lround(penWidth * ratio));
    const int offset = (pen - 1) / 2;  // wide pens are centred on the line

    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int stepX = x < to.x() ? 1 : -1;
    const int stepY = y < to.y() ? 1 : -1;
    int error = dx + dy;
    for (int phase = 0; x != to.x() || y != to.y(); phase = phase + 1 == period ? 0 : phase + 1) {
        if (phase < on) {
            if (pen == 1 && image.rect().contains(x, y))
                reinterpret_cast<QRgb *>(image.scanLine(y))[x] = color;
            else if (pen != 1)
                fillSquare(image, x - offset, y - offset, pen, color);
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
    // Corner to corner, both included (QRect::normalized would leave them out).
    const QRect box(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                    QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    return box.adjusted(-offset, -offset, pen - 1 - offset, pen - 1 - offset);
}

} // namespace brelo
