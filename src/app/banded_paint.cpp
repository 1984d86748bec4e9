#include "app/banded_paint.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <QStyle>

#include <cmath>

namespace brelo {

namespace {
// Below the raster engine's 96 spans per fill even for an outline, whose two
// sides give two spans per row.
constexpr int kBandDevicePixels = 40;

void drawClipped(QPainter &painter, const QRect &clip, const std::function<void()> &draw)
{
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    draw();
    painter.restore();
}
} // namespace

bool drawsInsideClip(const QStyle &style) { return style.inherits("QFusionStyle"); }

void paintInBands(QPainter &painter, const QRect &area, EdgeBands edges, const std::function<void()> &draw)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const int wholeRatio = static_cast<int>(std::lround(ratio));
    if (wholeRatio < 1 || ratio != wholeRatio || wholeRatio > kBandDevicePixels) {
        draw();
        return;
    }
    const int step = kBandDevicePixels / wholeRatio;
    for (int top = area.top(); top <= area.bottom(); top += step) {
        const QRect band(area.left(), top, area.width(), std::min(step, area.bottom() + 1 - top));
        const bool edge = top == area.top() || band.bottom() == area.bottom();
        if (edges == EdgeBands::Whole || !edge) {
            drawClipped(painter, band, draw);
            continue;
        }
        for (int left = band.left(); left <= band.right(); left += step)
            drawClipped(painter, QRect(left, top, std::min(step, band.right() + 1 - left), band.height()), draw);
    }
}

} // namespace brelo
