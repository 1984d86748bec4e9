#include "ui/widgets/device_pixels.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace brelo {

namespace {

bool whole(qreal v) { return v == std::floor(v); }

QRgb *pixelAt(const QImage &image, int x, int y)
{
    // Written in place: the backing store is never shared, and a non-const
    // scanLine() would ask it to detach.
    return const_cast<QRgb *>(reinterpret_cast<const QRgb *>(image.constScanLine(y))) + x;
}

} // namespace

DevicePixels::DevicePixels(const QImage *device, QRect rect, QRegion exposed, int scale)
    : device_(device), rect_(rect), exposed_(std::move(exposed)), scale_(scale),
      whole_(exposed_.boundingRect() == rect_
             && (exposed_.rectCount() == 1 || (QRegion(rect_) - exposed_).isEmpty()))
{
    // A region is kept as its fewest bands of rectangles: all of the widget
    // exposed is, in the usual case, its one rectangle (no subtraction).
}

std::optional<DevicePixels> DevicePixels::under(const QPainter &paint, const QRect &widgetRect)
{
    QPaintEngine *engine = paint.paintEngine();
    if (!engine || !engine->paintDevice() || engine->paintDevice()->devType() != QInternal::Image)
        return std::nullopt;
    const auto *device = static_cast<const QImage *>(engine->paintDevice());
    if (device->depth() != 32 || engine->systemClip().isEmpty())
        return std::nullopt;
    const QTransform toDevice = paint.deviceTransform();
    if (toDevice.type() > QTransform::TxScale || toDevice.m11() != toDevice.m22() || toDevice.m11() < 1
        || !whole(toDevice.m11()) || !whole(toDevice.dx()) || !whole(toDevice.dy()))
        return std::nullopt;
    const QRect rect = toDevice.mapRect(QRectF(widgetRect)).toRect();
    if (rect.isEmpty() || !device->rect().contains(rect))
        return std::nullopt;
    return DevicePixels(device, rect, engine->systemClip() & rect, int(toDevice.m11()));
}

std::optional<QRgb> DevicePixels::flatColour() const
{
    if (exposed_.isEmpty())
        return std::nullopt;
    const QRgb colour = *pixelAt(*device_, exposed_.begin()->left(), exposed_.begin()->top());
    if (qAlpha(colour) != 255)
        return std::nullopt;
    for (const QRect &part : exposed_) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            // Without an early exit the compiler compares many pixels at a time.
            const QRgb *line = pixelAt(*device_, part.left(), y);
            QRgb differ = 0;
            for (int x = 0; x < part.width(); ++x)
                differ |= line[x] ^ colour;
            if (differ != 0)
                return std::nullopt;
        }
    }
    return colour;
}

void DevicePixels::copyTo(KeptPixels &kept) const
{
    // The kept copy is written over when it is the only one of its pixels.
    QImage &copied = kept.image;
    if (copied.size() != rect_.size() || copied.format() != device_->format() || copied.isDetached() == false)
        copied = QImage(rect_.size(), device_->format());
    // Row addresses from the first row's and the strides (no call per row).
    uchar *to = copied.bits();
    const uchar *from = reinterpret_cast<const uchar *>(pixelAt(*device_, rect_.left(), rect_.top()));
    const qsizetype toStride = copied.bytesPerLine();
    const qsizetype fromStride = device_->bytesPerLine();
    for (int y = 0; y < rect_.height(); ++y, to += toStride, from += fromStride)
        std::memcpy(to, from, rect_.width() * sizeof(QRgb));

    // A line of text leaves the rest of the widget in its background colour.
    const int width = rect_.width();
    kept.rest = reinterpret_cast<const QRgb *>(copied.constScanLine(0))[width - 1];
    kept.inkedColumns = 0;
    for (int y = 0; y < rect_.height() && kept.inkedColumns < width; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(copied.constScanLine(y));
        int end = width;
        while (end > kept.inkedColumns && line[end - 1] == kept.rest)
            --end;
        kept.inkedColumns = end;
    }
}

void DevicePixels::paste(const KeptPixels &kept) const
{
    const qsizetype toStride = device_->bytesPerLine();
    const qsizetype fromStride = kept.image.bytesPerLine();
    for (const QRect &part : exposed_) {
        const QPoint offset = part.topLeft() - rect_.topLeft();
        // Columns of the part, in the widget: copied up to the inked ones' end, filled after.
        const int copiedEnd = std::clamp(kept.inkedColumns, offset.x(), offset.x() + part.width());
        const int copied = copiedEnd - offset.x();
        const int filled = part.width() - copied;
        auto *to = reinterpret_cast<uchar *>(pixelAt(*device_, part.left(), part.top()));
        const uchar *from = kept.image.constScanLine(offset.y()) + offset.x() * sizeof(QRgb);
        for (int y = 0; y < part.height(); ++y, to += toStride, from += fromStride) {
            std::memcpy(to, from, copied * sizeof(QRgb));
            std::fill_n(reinterpret_cast<QRgb *>(to) + copied, filled, kept.rest);
        }
    }
}

} // namespace brelo
