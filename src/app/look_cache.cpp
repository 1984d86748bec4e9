#include "app/look_cache.h"

#include <QEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace brelo {

LookKey lookKeyOf(const QWidget &widget)
{
    // The states the style reads from a widget (QStyleOption::initFrom).
    const QWidget *window = widget.window();
    LookKey key;
    key.size = widget.size();
    key.ratio = widget.devicePixelRatioF();
    key.palette = widget.palette().cacheKey();
    key.font = widget.font();
    key.style = widget.style();
    key.states = (widget.isEnabled() ? 1 : 0) | (widget.hasFocus() ? 2 : 0) | (widget.underMouse() ? 4 : 0)
                 | (window->isActiveWindow() ? 8 : 0) | (widget.layoutDirection() == Qt::RightToLeft ? 16 : 0)
                 | (window->testAttribute(Qt::WA_KeyboardFocusChange) ? 32 : 0);
    return key;
}

std::optional<QRgb> flatColourUnder(QPainter &paint, const QRect &area, QImage::Format *format)
{
    const QTransform toDevice = paint.deviceTransform();
    const auto whole = [](qreal v) { return v == std::floor(v); };
    if (toDevice.type() > QTransform::TxScale || !whole(toDevice.m11()) || !whole(toDevice.m22())
        || !whole(toDevice.dx()) || !whole(toDevice.dy()) || !paint.paintEngine())
        return std::nullopt;
    QPaintDevice *device = paint.paintEngine()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    const auto *image = static_cast<const QImage *>(device);
    const QRect under = toDevice.mapRect(QRectF(area)).toRect();
    if (under.isEmpty() || !image->rect().contains(under) || image->depth() != 32)
        return std::nullopt;
    const QRgb colour = reinterpret_cast<const QRgb *>(image->constScanLine(under.top()))[under.left()];
    if (qAlpha(colour) != 255)
        return std::nullopt;
    for (int y = under.top(); y <= under.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image->constScanLine(y));
        if (std::any_of(line + under.left(), line + under.right() + 1, [&](QRgb p) { return p != colour; }))
            return std::nullopt;
    }
    *format = image->format();
    return colour;
}

namespace {

// The image a painter draws into, when it is one and the painter maps the
// widget onto whole pixels at the picture's ratio: its transform's offset.
QImage *deviceImage(QPainter &paint, const QImage &picture, QPoint *offset)
{
    const QTransform toDevice = paint.deviceTransform();
    const auto whole = [](qreal v) { return v == std::floor(v); };
    if (toDevice.type() > QTransform::TxScale || !whole(toDevice.m11()) || toDevice.m11() != toDevice.m22()
        || toDevice.m11() != picture.devicePixelRatio() || !whole(toDevice.dx()) || !whole(toDevice.dy())
        || !paint.paintEngine())
        return nullptr;
    QPaintDevice *device = paint.paintEngine()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto *image = static_cast<QImage *>(device);
    if (image->format() != picture.format())
        return nullptr;
    *offset = QPoint(static_cast<int>(toDevice.dx()), static_cast<int>(toDevice.dy()));
    return image;
}

// Copies rows of whole pixels between two images of one format.
void copyPixels(const QImage &from, const QRect &source, QImage &to, const QPoint &target)
{
    const int bytesPerPixel = from.depth() / 8;
    const auto width = static_cast<std::size_t>(source.width()) * bytesPerPixel;
    uchar *bits = to.bits();
    for (int y = 0; y < source.height(); ++y)
        std::memcpy(bits + static_cast<qsizetype>(target.y() + y) * to.bytesPerLine() + target.x() * bytesPerPixel,
                    from.constScanLine(source.top() + y) + source.left() * bytesPerPixel, width);
}

} // namespace

void copyPicture(QPainter &paint, const QImage &picture, const QRegion &region)
{
    const qreal ratio = picture.devicePixelRatio();
    QPoint offset;
    // The picture holds the device's own pixels: into the window's image
    // (not shared with a grab of it) they are written row by row.
    QImage *device = deviceImage(paint, picture, &offset);
    if (device && device->isDetached()) {
        const int scale = static_cast<int>(ratio);
        const QRect pixels = picture.rect();
        const QRect bounds = device->rect();
        bool copied = true;
        for (const QRect &part : region) {
            const QRect source(part.topLeft() * scale, part.size() * scale);
            const QPoint target = source.topLeft() + offset;
            copied = copied && pixels.contains(source) && bounds.contains(QRect(target, source.size()));
        }
        if (copied) {
            for (const QRect &part : region) {
                const QRect source(part.topLeft() * scale, part.size() * scale);
                copyPixels(picture, source, *device, source.topLeft() + offset);
            }
            return;
        }
    }
    for (const QRect &part : region) {
        paint.setClipRect(part);
        paint.drawImage(QRectF(part), picture, QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
    }
}

bool copyPainted(QPainter &paint, QImage &picture, const QRegion &region)
{
    QPoint offset;
    const QImage *device = deviceImage(paint, picture, &offset);
    if (!device)
        return false;
    const int scale = static_cast<int>(picture.devicePixelRatio());
    for (const QRect &part : region) {
        const QRect target(part.topLeft() * scale, part.size() * scale);
        const QRect source = target.translated(offset);
        if (!device->rect().contains(source) || !picture.rect().contains(target))
            return false;
    }
    for (const QRect &part : region) {
        const QRect target(part.topLeft() * scale, part.size() * scale);
        copyPixels(*device, target.translated(offset), picture, target.topLeft());
    }
    return true;
}

Look *LookPictures::find(const LookKey &key)
{
    const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const Look &look) { return look.key == key; });
    return found == kept_.end() ? nullptr : &*found;
}

Look &LookPictures::keep(Look look)
{
    if (static_cast<int>(kept_.size()) >= capacity_)
        kept_.pop_back();
    kept_.insert(kept_.begin(), std::move(look));
    return kept_.front();
}

LookCache::LookCache(QWidget *owner, int capacity, KeyOf keyOf, Ground ground)
    : owner_(owner), looks_(capacity), keyOf_(std::move(keyOf)), opaqueOverFlat_(ground == Ground::FlatOpaque)
{
}

LookCache::LookCache(QWidget *owner, int capacity, KeyOf keyOf, Underneath under)
    : owner_(owner), looks_(capacity), keyOf_(std::move(keyOf)), under_(std::move(under))
{
}

// What is under the control as a picture of its size, null while unknown.
QImage LookCache::background() const
{
    if (under_)
        return under_();
    if (!flat_)
        return {};
    const qreal ratio = owner_->devicePixelRatioF();
    QImage picture(owner_->size() * ratio, format_);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor::fromRgb(*flat_));
    return picture;
}

// Learnt from what the parent has just painted under the control, where the
// control is exposed.
void LookCache::learn(QPaintEvent *event)
{
    QPainter paint(owner_);
    for (const QRect &part : event->region()) {
        QImage::Format format = format_;
        const std::optional<QRgb> colour = flatColourUnder(paint, part, &format);
        if (!colour || (flat_ && *colour != *flat_)) {
            flat_.reset();
            return;
        }
        flat_ = colour;
        format_ = format;
    }
}

void LookCache::paint(QPaintEvent *event, const std::function<void()> &paintItself)
{
    const bool opaque = owner_->testAttribute(Qt::WA_OpaquePaintEvent);
    if (!under_ && !flat_)
        learn(event);
    const std::optional<LookKey> key = keyOf_();
    Look *look = key ? looks_.find(*key) : nullptr;
    const QRegion &region = event->region();
    if (look && ((look->valid.rectCount() == 1 && look->valid.boundingRect().contains(region.boundingRect()))
                 || region.subtracted(look->valid).isEmpty())) {
        QPainter paint(owner_);
        copyPicture(paint, look->picture, region);
        shown_ = look->picture;
        shownValid_ = look->valid;
        return;
    }
    QImage under = background();
    if (under.isNull()) {
        // Unknown under the control: its parent paints there from now on.
        shown_ = QImage();
        if (opaque && opaqueOverFlat_)
            forget();
        paintItself();
        return;
    }
    if (opaqueOverFlat_) {
        // Opaque over its flat colour, the control fills it itself.
        if (opaque) {
            QPainter paint(owner_);
            copyPicture(paint, under, region);
        }
        owner_->setAttribute(Qt::WA_OpaquePaintEvent);
    }
    paintItself();
    if (!key) {
        shown_ = QImage();
        return;
    }
    if (!look)
        look = &looks_.keep({*key, std::move(under), QRegion()});
    shown_ = QImage();  // the picture is written to: not shared
    QPainter paint(owner_);
    if (copyPainted(paint, look->picture, region))
        look->valid += region;
    shown_ = look->picture;
    shownValid_ = look->valid;
}

bool LookCache::watch(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
    case QEvent::ZOrderChange:
    case QEvent::ScreenChangeInternal:
    case QEvent::PaletteChange:
    case QEvent::FontChange:  // a parent's larger title may now reach under the control
    case QEvent::StyleChange:
        forget();
        return true;
    default:
        return false;
    }
}

// What is under the control may have changed: its parent paints it again.
void LookCache::forget()
{
    looks_.clear();
    shown_ = QImage();
    flat_.reset();
    if (!owner_->testAttribute(Qt::WA_OpaquePaintEvent))
        return;
    owner_->setAttribute(Qt::WA_OpaquePaintEvent, false);
    owner_->update();
}

} // namespace brelo
