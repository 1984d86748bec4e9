#include "ui/widgets/look_cache.h"

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
    const std::vector<QRgb> row(static_cast<std::size_t>(under.width()), colour);
    const std::size_t bytes = row.size() * sizeof(QRgb);
    for (int y = under.top(); y <= under.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image->constScanLine(y)) + under.left();
        if (std::memcmp(line, row.data(), bytes) != 0)
            return std::nullopt;
    }
    *format = image->format();
    return colour;
}

QImage *deviceImage(QPainter &paint, qreal ratio, QPoint *offset)
{
    const QTransform toDevice = paint.deviceTransform();
    const auto whole = [](qreal v) { return v == std::floor(v); };
    if (toDevice.type() > QTransform::TxScale || !whole(toDevice.m11()) || toDevice.m11() != toDevice.m22()
        || toDevice.m11() != ratio || !whole(toDevice.dx()) || !whole(toDevice.dy()) || !paint.paintEngine())
        return nullptr;
    QPaintDevice *device = paint.paintEngine()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    *offset = QPoint(static_cast<int>(toDevice.dx()), static_cast<int>(toDevice.dy()));
    return static_cast<QImage *>(device);
}

QImage *redirectedImage(const PaintTarget &target, qreal ratio, QPoint *offset)
{
    if (!target.device || target.sharedPainter || target.device->devType() != QInternal::Image
        || target.device->devicePixelRatio() != ratio || ratio != std::floor(ratio))
        return nullptr;
    const int scale = static_cast<int>(ratio);
    *offset = -target.offset * scale;
    return static_cast<QImage *>(target.device);
}

namespace {

// The rows of a region of the widget, in device pixels: where they are in
// the widget's pictures and in the device.
struct Rows {
    QRect inPicture;
    QPoint inDevice;
};

// The region's rectangles in pixels, or nothing when one falls outside the
// device or the pictures.
std::optional<std::vector<Rows>> rowsOf(const QRegion &region, int scale, const QPoint &offset, const QImage &device,
                                        const QSize &pictures)
{
    std::vector<Rows> rows;
    rows.reserve(static_cast<std::size_t>(region.rectCount()));
    for (const QRect &part : region) {
        const QRect inPicture(part.topLeft() * scale, part.size() * scale);
        if (!QRect(QPoint(), pictures).contains(inPicture)
            || !device.rect().contains(inPicture.translated(offset)))
            return std::nullopt;
        rows.push_back({inPicture, inPicture.topLeft() + offset});
    }
    return rows;
}

// Each rectangle's rows, from their first addresses and the two strides (no
// call per row): `each(to, from, bytes)` for every row.
template <class Each>
void eachRow(const QImage &picture, const std::vector<Rows> &rows, const QImage &device, Each each)
{
    const qsizetype pixel = device.depth() / 8;
    const qsizetype pictureStride = picture.bytesPerLine();
    const qsizetype deviceStride = device.bytesPerLine();
    const uchar *pictureBits = picture.constBits();
    const uchar *deviceBits = device.constBits();
    for (const Rows &r : rows) {
        const uchar *inPicture = pictureBits + r.inPicture.top() * pictureStride + r.inPicture.left() * pixel;
        const uchar *inDevice = deviceBits + r.inDevice.y() * deviceStride + r.inDevice.x() * pixel;
        const std::size_t bytes = static_cast<std::size_t>(r.inPicture.width() * pixel);
        for (int y = 0; y < r.inPicture.height(); ++y, inPicture += pictureStride, inDevice += deviceStride)
            if (!each(const_cast<uchar *>(inPicture), const_cast<uchar *>(inDevice), bytes))
                return;
    }
}

// Device rows into a picture (what was painted, or what was under).
void copyIn(const QImage &device, const std::vector<Rows> &rows, QImage &picture)
{
    picture.bits();  // detached before its rows are written
    eachRow(picture, rows, device, [](uchar *inPicture, uchar *inDevice, std::size_t bytes) {
        std::memcpy(inPicture, inDevice, bytes);
        return true;
    });
}

// A picture's rows onto the device: the device's own pixels, copied back
// (written in place: the window's image is not shared, which is checked).
void copyOut(const QImage &picture, const std::vector<Rows> &rows, QImage &device)
{
    device.bits();  // a change of the image, as a painter's would be
    eachRow(picture, rows, device, [](uchar *inPicture, uchar *inDevice, std::size_t bytes) {
        std::memcpy(inDevice, inPicture, bytes);
        return true;
    });
}

bool sameRows(const QImage &device, const std::vector<Rows> &rows, const QImage &picture)
{
    bool same = true;
    eachRow(picture, rows, device, [&same](uchar *inPicture, uchar *inDevice, std::size_t bytes) {
        same = std::memcmp(inDevice, inPicture, bytes) == 0;
        return same;
    });
    return same;
}

bool covers(const QRegion &valid, const QRegion &region)
{
    return (valid.rectCount() == 1 && valid.boundingRect().contains(region.boundingRect()))
           || region.subtracted(valid).isEmpty();
}

} // namespace

Look *LookPictures::find(const LookKey &key)
{
    const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const Look &look) { return look.key == key; });
    return found == kept_.end() ? nullptr : &*found;
}

bool LookPictures::seenBefore(const LookKey &key)
{
    if (std::find(seen_.begin(), seen_.end(), key) != seen_.end())
        return true;
    if (static_cast<int>(seen_.size()) >= capacity_)
        seen_.pop_back();
    seen_.insert(seen_.begin(), key);
    return false;
}

Look &LookPictures::keep(Look look)
{
    if (static_cast<int>(kept_.size()) >= capacity_)
        kept_.pop_back();
    kept_.insert(kept_.begin(), std::move(look));
    return kept_.front();
}

LookCache::LookCache(QWidget *owner, int capacity, KeyOf keyOf, Ground ground)
    : owner_(owner), looks_(capacity), keyOf_(std::move(keyOf)), ground_(ground)
{
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

void LookCache::paint(QPaintEvent *event, const std::function<void()> &paintItself, const PaintTarget &target)
{
    if (ground_ == Ground::FlatOpaque)
        paintOverFlat(event, paintItself, target);
    else
        paintOverParent(event, paintItself, target);
}

void LookCache::paintOverParent(QPaintEvent *event, const std::function<void()> &paintItself,
                                const PaintTarget &target)
{
    const std::optional<LookKey> key = keyOf_();
    if (!key) {
        paintItself();
        return;
    }
    const QRegion &region = event->region();
    const int scale = static_cast<int>(key->ratio);
    std::optional<std::vector<Rows>> rows;
    Look *look = looks_.find(*key);
    {
        QPoint offset;
        QImage *device = scale == key->ratio ? redirectedImage(target, key->ratio, &offset) : nullptr;
        std::optional<QPainter> paint;
        if (!device) {
            paint.emplace(owner_);
            device = scale == key->ratio ? deviceImage(*paint, key->ratio, &offset) : nullptr;
        }
        if (device)
            rows = rowsOf(region, scale, offset, *device, key->size * scale);
        if (!rows) {
            paint.reset();
            paintItself();
            return;
        }
        // The window's image is written to only while no grab shares it.
        if (look && device->isDetached() && look->picture.format() == device->format() && covers(look->valid, region)
            && sameRows(*device, *rows, look->under)) {
            copyOut(look->picture, *rows, *device);
            return;
        }
        if (!look && !looks_.seenBefore(*key)) {
            paint.reset();
            paintItself();
            return;
        }
        if (!look || look->picture.format() != device->format()) {
            QImage blank(key->size * scale, device->format());
            blank.setDevicePixelRatio(key->ratio);
            look = &looks_.keep({*key, blank, blank.copy(), QRegion()});
        }
        copyIn(*device, *rows, look->under);
    }
    paintItself();
    QPoint offset;
    QImage *device = redirectedImage(target, key->ratio, &offset);
    std::optional<QPainter> paint;
    if (!device) {
        paint.emplace(owner_);
        device = deviceImage(*paint, key->ratio, &offset);
    }
    if (device) {
        copyIn(*device, *rows, look->picture);
        look->valid += region;
    }
}

void LookCache::paintOverFlat(QPaintEvent *event, const std::function<void()> &paintItself,
                              const PaintTarget &target)
{
    const bool opaque = owner_->testAttribute(Qt::WA_OpaquePaintEvent);
    if (!flat_) {
        learn(event);
        if (!flat_) {
            paintItself();
            return;
        }
        owner_->setAttribute(Qt::WA_OpaquePaintEvent);
    }
    const std::optional<LookKey> key = keyOf_();
    const QRegion &region = event->region();
    const int scale = key ? static_cast<int>(key->ratio) : 1;
    QPoint offset;
    // A picture copied where the paint is redirected needs no painter.
    if (Look *kept = key && scale == key->ratio ? looks_.find(*key) : nullptr) {
        QImage *device = redirectedImage(target, key->ratio, &offset);
        if (device && device->format() == format_ && device->isDetached() && covers(kept->valid, region)) {
            if (const auto rows = rowsOf(region, scale, offset, *device, key->size * scale)) {
                copyOut(kept->picture, *rows, *device);
                return;
            }
        }
    }
    QPainter paint(owner_);
    QImage *device = key && scale == key->ratio ? deviceImage(paint, key->ratio, &offset) : nullptr;
    const std::optional<std::vector<Rows>> rows =
        device && device->format() == format_ ? rowsOf(region, scale, offset, *device, key->size * scale)
                                              : std::nullopt;
    Look *look = key ? looks_.find(*key) : nullptr;
    if (look && rows && device->isDetached() && covers(look->valid, region)) {
        copyOut(look->picture, *rows, *device);
        return;
    }
    if (opaque)
        paint.fillRect(owner_->rect(), QColor::fromRgb(*flat_));
    paint.end();
    paintItself();
    if (!rows || (!look && !looks_.seenBefore(*key)))
        return;
    if (!look) {
        QImage blank(key->size * scale, format_);
        blank.setDevicePixelRatio(key->ratio);
        look = &looks_.keep({*key, blank, QImage(), QRegion()});
    }
    paint.begin(owner_);
    if (QImage *painted = deviceImage(paint, key->ratio, &offset)) {
        copyIn(*painted, *rows, look->picture);
        look->valid += region;
    }
}

void LookCache::watch(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
    case QEvent::ZOrderChange:
    case QEvent::ScreenChangeInternal:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        forget();
        break;
    default:
        break;
    }
}

// What is under the control may have changed: its parent paints it again.
void LookCache::forget()
{
    looks_.clear();
    flat_.reset();
    if (!owner_->testAttribute(Qt::WA_OpaquePaintEvent))
        return;
    owner_->setAttribute(Qt::WA_OpaquePaintEvent, false);
    owner_->update();
}

} // namespace brelo
