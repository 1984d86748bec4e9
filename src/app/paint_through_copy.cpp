#include "app/paint_through_copy.h"

#include "app/look_cache.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace brelo {

namespace {
// Dots per metre for a logical DPI, such that the image reports that DPI
// back and fonts are sized for it as on the widget.
int dotsPerMetre(int dpi) { return static_cast<int>(std::lround(dpi / 0.0254)); }
} // namespace

bool paintThroughCopy(QWidget &widget, const PaintTarget &target, const QRegion &region,
                      const std::function<void(QPainter &, const QRect &)> &draw, int bandRows)
{
    const qreal ratio = widget.devicePixelRatioF();
    QPoint offset;
    QImage *device = redirectedImage(target, ratio, &offset);
    const int scale = static_cast<int>(ratio);
    const QRect area(offset, widget.size() * scale);
    if (!device || !device->isDetached() || device->depth() != 32 || !device->rect().contains(area)
        || !widget.rect().contains(region.boundingRect()))
        return false;
    QImage copy = device->copy(area);  // what is under a translucent control
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
        // Bands of whole device rows; at a fractional ratio the widget is one band.
        const int step = bandRows >= scale && ratio == scale ? bandRows / scale : widget.height();
        for (int top = 0; top < widget.height(); top += step) {
            const QRect band(0, top, widget.width(), std::min(step, widget.height() - top));
            paint.setClipRect(band);
            draw(paint, band);
        }
    }
    device->bits();  // a change of the image, as a painter's would be
    const qsizetype bytesPerPixel = 4;
    for (const QRect &part : region) {
        const QRect inCopy(part.topLeft() * scale, part.size() * scale);
        const std::size_t bytes = static_cast<std::size_t>(inCopy.width() * bytesPerPixel);
        for (int y = inCopy.top(); y <= inCopy.bottom(); ++y) {
            const uchar *from = copy.constScanLine(y) + inCopy.left() * bytesPerPixel;
            uchar *to = device->scanLine(y + offset.y()) + (inCopy.left() + offset.x()) * bytesPerPixel;
            std::memcpy(to, from, bytes);
        }
    }
    return true;
}

} // namespace brelo
