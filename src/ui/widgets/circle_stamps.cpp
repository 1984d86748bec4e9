#include "ui/widgets/circle_stamps.h"

#include <QPainter>

#include <algorithm>

namespace brelo {

namespace {

// Enough for the disc, its two poles and its centre, and the layout's focus.
constexpr std::size_t kKept = 8;

} // namespace

void paintCircle(QImage &image, const CircleStamps::Circle &circle)
{
    QPainter paint(&image);
    paint.setPen(QPen(QColor(circle.outline), circle.penWidth));
    paint.setBrush(circle.fill ? QBrush(QColor(*circle.fill)) : QBrush(Qt::NoBrush));
    paint.drawEllipse(circle.centre, circle.radius, circle.radius);
}

const std::vector<CircleStamps::Run> *CircleStamps::runs(const Circle &circle, QSize size, qreal ratio)
{
    auto found = std::find_if(stamps_.begin(), stamps_.end(), [&](const Stamp &stamp) {
        return stamp.circle == circle && stamp.size == size && stamp.ratio == ratio;
    });
    if (found == stamps_.end()) {
        if (stamps_.size() == kKept)
            stamps_.pop_back();
        stamps_.insert(stamps_.begin(), Stamp{circle, size, ratio, rasterise(circle, size, ratio)});
    } else {
        std::rotate(stamps_.begin(), found, found + 1);
    }
    const Stamp &stamp = stamps_.front();
    return stamp.runs ? &*stamp.runs : nullptr;
}

// The engine paints on a transparent image of the picture's size, so that its
// pixels are exactly the ones it would change on the picture: opaque colours
// without antialiasing replace what is under them.
std::optional<std::vector<CircleStamps::Run>> CircleStamps::rasterise(const Circle &circle, QSize size, qreal ratio)
{
    QImage scratch(size, QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(ratio);
    scratch.fill(Qt::transparent);
    paintCircle(scratch, circle);

    const QRect bounds = scratch.rect();  // the whole of it: a miss is rare
    std::vector<Run> runs;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(scratch.constScanLine(y));
        for (int x = bounds.left(); x <= bounds.right();) {
            const QRgb color = line[x];
            const int alpha = qAlpha(color);
            if (alpha != 0 && alpha != 255)
                return std::nullopt;
            int end = x + 1;
            while (end <= bounds.right() && line[end] == color)
                ++end;
            if (alpha == 255)
                runs.push_back({y, x, end, color});
            x = end;
        }
    }
    return runs;
}

} // namespace brelo
