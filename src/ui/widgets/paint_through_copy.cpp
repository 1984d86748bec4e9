#include "ui/widgets/paint_through_copy.h"

#include "ui/widgets/look_cache.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace brelo {

namespace {
// Dots per metre for a logical DPI, such that the image reports that DPI
// back and fonts are sized for it as on the widget.
int dotsPerMetre(int dpi) { return static_cast<int>(std::lround(dpi / 0.0254)); }

// Under the raster engine's 96 spans per fill: a border image stretched down a
// tall side fills one span per row, even under a rectangular clip.
constexpr int kBandDeviceRows = 95;
} // namespace

CopyBands copyBandsFor(const QStyle &style)
{
    return style.inherits("QFusionStyle") ? CopyBands::Rows : CopyBands::Whole;
}

bool paintThroughCopy(QWidget &widget, const PaintTarget &target, const QRegion &region, CopyBands bands,
                      const std::function<void(QPainter &, const QRect &)> &draw)
{
    const qreal ratio = widget.devicePixelRatioF();
    QPoint offset;
    QImage *device = redirectedImage(target, ratio, &offset);  // at a whole pixel ratio only
    const int scale = static_cast<int>(ratio);
    const QRect area(offset, widget.size() * scale);
    if (!device || !device->isDetached() || device->depth() != 32 || !device->rect().contains(area)
        || !widget.rect().contains(region.boundingRect()) || scale > kBandDeviceRows)
        return false;
    constexpr qsizetype kBytesPerPixel = 4;
    const int bandHeight = bands == CopyBands::Rows ? kBandDeviceRows / scale : widget.height();  // logical rows
    const qsizetype stride = area.width() * kBytesPerPixel;
    // One band's pixels, kept for the next paints: a first paint in bands
    // touches a band's worth of new memory, not the widget's.
    thread_local std::vector<uchar> bandPixels;
    bandPixels.resize(static_cast<std::size_t>(stride) * bandHeight * scale);
    device->bits();  // a change of the image, as a painter's would be
    const auto deviceRow = [&](int y) { return device->scanLine(offset.y() + y) + offset.x() * kBytesPerPixel; };
    for (int top = 0; top < widget.height(); top += bandHeight) {
        const QRect band(0, top, widget.width(), std::min(bandHeight, widget.height() - top));
        const QRegion painted = region.intersected(band);
        if (painted.isEmpty())
            continue;
        const int firstRow = top * scale;
        QImage copy(bandPixels.data(), area.width(), band.height() * scale, stride, device->format());
        for (int y = 0; y < copy.height(); ++y)  // what is under a translucent control
            std::memcpy(copy.scanLine(y), deviceRow(firstRow + y), static_cast<std::size_t>(stride));
        copy.setDevicePixelRatio(ratio);
        copy.setDotsPerMeterX(dotsPerMetre(widget.logicalDpiX()));
        copy.setDotsPerMeterY(dotsPerMetre(widget.logicalDpiY()));
        {
            QPainter paint(&copy);
            paint.setPen(QPen(widget.palette().brush(widget.foregroundRole()), 1));
            paint.setBackground(widget.palette().brush(widget.backgroundRole()));
            paint.setFont(widget.font());
            paint.setLayoutDirection(widget.layoutDirection());
            paint.setRenderHint(QPainter::SmoothPixmapTransform);  // as a style painter sets it
            paint.translate(0, -top);
            paint.setClipRect(band);
            draw(paint, band);
        }
        for (const QRect &part : painted) {
            const QRect inCopy(part.left() * scale, (part.top() - top) * scale, part.width() * scale,
                               part.height() * scale);
            const std::size_t bytes = static_cast<std::size_t>(inCopy.width() * kBytesPerPixel);
            for (int y = inCopy.top(); y <= inCopy.bottom(); ++y)
                std::memcpy(deviceRow(firstRow + y) + inCopy.left() * kBytesPerPixel,
                            copy.constScanLine(y) + inCopy.left() * kBytesPerPixel, bytes);
        }
    }
    return true;
}

} // namespace brelo
