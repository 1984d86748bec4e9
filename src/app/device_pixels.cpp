#include "app/device_pixels.h"

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
      whole_((QRegion(rect_) - exposed_).isEmpty())
{
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
            const QRgb *line = pixelAt(*device_, part.left(), y);
            if (std::any_of(line, line + part.width(), [colour](QRgb p) { return p != colour; }))
                return std::nullopt;
        }
    }
    return colour;
}

QImage DevicePixels::copy() const
{
    return device_->copy(rect_);
}

void DevicePixels::paste(const QImage &copied) const
{
    for (const QRect &part : exposed_) {
        const QPoint from = part.topLeft() - rect_.topLeft();
        for (int y = 0; y < part.height(); ++y)
            std::memcpy(pixelAt(*device_, part.left(), part.top() + y),
                        copied.constScanLine(from.y() + y) + from.x() * sizeof(QRgb), part.width() * sizeof(QRgb));
    }
}

} // namespace brelo
