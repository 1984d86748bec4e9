#include "ui/widgets/picture_area.h"

#include "core/common/twips.h"
#include "ui/widgets/line_plotter.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>

#include <cmath>
#include <optional>
#include <utility>

namespace brelo {

namespace {

// Fixed greys for a palette whose own greys cannot be told apart.
const QColor kFallbackWorkspace(171, 171, 171);
const QColor kFallbackButtonFace(240, 240, 240);
constexpr int kMinGreyContrast = 40;

// The centre of the pixel that holds a point, where a circle is centred.
QPointF pixelCentre(QPointF logical)
{
    return {std::floor(logical.x()) + 0.5, std::floor(logical.y()) + 0.5};
}

} // namespace

PictureArea::PictureArea(QColor background, QSizeF innerTwips, QWidget *parent)
    : QFrame(parent), background_(std::move(background)), innerTwips_(innerTwips),
      innerPixels_(innerTwips / kTwipsPerPixel), user_(1.0 / kTwipsPerPixel)
{
    // The sunken two-pixel bevel of a Windows panel, whatever the style.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(innerPixels_.toSize() + QSize(2 * kBorderPx, 2 * kBorderPx));
    allocateImage();
    resolveSystemGreys();
}

void PictureArea::allocateImage()
{
    const qreal ratio = devicePixelRatioF();
    image_ = QImage((QSizeF(innerPixels_.toSize()) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(background_);
    drawn_ = QRect();
    update();
}

void PictureArea::setZoom(double zoom)
{
    if (!(zoom > 0.0) || zoom == zoom_)
        return;
    user_.scale(zoom / zoom_);
    zoom_ = zoom;
    innerPixels_ = innerTwips_ / kTwipsPerPixel * zoom;
    setFixedSize(innerPixels_.toSize() + QSize(2 * kBorderPx, 2 * kBorderPx));
    allocateImage();
}

void PictureArea::setUserScale(double left, double top, double width, double height)
{
    user_.set(left, top, width, height, innerPixels_);
}

void PictureArea::clear()
{
    // A new drawing also picks up a change of screen since the last one.
    if (image_.devicePixelRatio() != devicePixelRatioF()) {
        allocateImage();
    } else if (!drawn_.isEmpty()) {
        const qreal ratio = image_.devicePixelRatio();
        QPainter(&image_).fillRect(QRectF(QPointF(drawn_.topLeft()) / ratio, QSizeF(drawn_.size()) / ratio),
                                   background_);
        changed(drawn_);
        drawn_ = QRect();
    }
    resolveSystemGreys();
}

// The two system greys, read from the palette once per drawing (and at each
// change of palette) rather than for every dot.
void PictureArea::resolveSystemGreys()
{
    QColor workspace = palette().color(QPalette::Dark);
    QColor buttonFace = palette().color(QPalette::Button);
    if (std::abs(qGray(workspace.rgb()) - qGray(buttonFace.rgb())) < kMinGreyContrast) {
        workspace = kFallbackWorkspace;
        buttonFace = kFallbackButtonFace;
    }
    workspace_ = workspace.rgb();
    buttonFace_ = buttonFace.rgb();
}

QRgb PictureArea::resolve(CanvasColor color) const
{
    switch (color.kind) {
    case CanvasColor::Kind::AppWorkspace: return workspace_;
    case CanvasColor::Kind::ButtonFace: return buttonFace_;
    case CanvasColor::Kind::Rgb: break;
    }
    return qRgb(color.rgb.r, color.rgb.g, color.rgb.b);
}

void PictureArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        resolveSystemGreys();
    QFrame::changeEvent(event);
}

void PictureArea::changed(const QRect &device)
{
    const QRect inImage = device.intersected(image_.rect());
    if (inImage.isEmpty())
        return;
    drawn_ |= inImage;
    const qreal ratio = image_.devicePixelRatio();
    const QRectF logical(QPointF(inImage.topLeft()) / ratio, QSizeF(inImage.size()) / ratio);
    update(logical.toAlignedRect().translated(kBorderPx, kBorderPx));
}

void PictureArea::segment(float x1, float y1, float x2, float y2, CanvasColor color)
{
    QPointF p = user_.toPixels(x1, y1);
    QPointF q = user_.toPixels(x2, y2);
    if (!isFinite(p) || !isFinite(q) || !clipSegment(p, q, clipArea(innerPixels_)))
        return;
    // On the device's own pixels: on a HiDPI screen a hairline stays one device
    // pixel wide instead of a block of them.
    const double ratio = image_.devicePixelRatio();
    const auto device = [ratio](QPointF v) {
        return QPoint(static_cast<int>(std::floor(v.x() * ratio)), static_cast<int>(std::floor(v.y() * ratio)));
    };
    changed(plotLine(image_, device(p), device(q), resolve(color), penWidth_, lineStyle_, ratio));
}

void PictureArea::circle(float cx, float cy, float radius, CanvasColor outline)
{
    const QPointF centre = user_.toPixels(cx, cy);
    const double r = std::abs(radius * user_.pixelsPerUnitX());  // radii are measured along x
    if (!isFinite(centre) || !std::isfinite(r))
        return;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    if (!bounds.intersects(clipArea(innerPixels_)))
        return;
    // Below a pixel a circle is a speck of its outline colour.
    if (r < 1.0) {
        if (const std::optional<QPoint> at = dotAt(centre)) {
            reinterpret_cast<QRgb *>(image_.scanLine(at->y()))[at->x()] = resolve(outline);
            changed(QRect(*at, QSize(1, 1)));
        }
        return;
    }
    // A hairline outline is one device pixel (a cosmetic pen), on a HiDPI screen too.
    const double ratio = image_.devicePixelRatio();
    const bool hairline = penWidth_ == 1;
    {
        QPainter painter(&image_);
        painter.setPen(QPen(QColor(resolve(outline)), hairline ? 0 : penWidth_));
        painter.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(QColor(resolve(fillColor_))) : QBrush(Qt::NoBrush));
        painter.drawEllipse(pixelCentre(centre), r, r);
    }
    const double reach = r + penWidth_ + 2;  // with room for the pen
    const QRectF around = QRectF(centre, centre).adjusted(-reach, -reach, reach, reach);
    changed(QRectF(around.topLeft() * ratio, around.size() * ratio).toAlignedRect());
}

std::optional<QPoint> PictureArea::dotAt(QPointF logical) const
{
    // A dot lands in the pixel its point falls in, the last column and row
    // taking the points of a partial pixel at the edge.
    const QSizeF limit(std::ceil(innerPixels_.width()), std::ceil(innerPixels_.height()));
    if (!(logical.x() >= 0.0 && logical.x() < limit.width() && logical.y() >= 0.0 && logical.y() < limit.height()))
        return std::nullopt;
    const double ratio = image_.devicePixelRatio();
    return QPoint(std::min(static_cast<int>(logical.x() * ratio), image_.width() - 1),
                  std::min(static_cast<int>(logical.y() * ratio), image_.height() - 1));
}

void PictureArea::pixel(float x, float y, CanvasColor color)
{
    const CanvasPoint point{x, y};
    pixels({&point, 1}, color);
}

// A drawing's 1,803 dots in one go: the image's rows are reached once, and
// the rectangle to repaint is the dots' bounds.
void PictureArea::pixels(std::span<const CanvasPoint> points, CanvasColor color)
{
    const QRgb rgb = resolve(color);
    auto *const first = reinterpret_cast<QRgb *>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    int left = image_.width(), top = image_.height(), right = -1, bottom = -1;
    for (const CanvasPoint &point : points) {
        if (const std::optional<QPoint> at = dotAt(user_.toPixels(point.x, point.y))) {
            first[at->y() * stride + at->x()] = rgb;
            left = std::min(left, at->x());
            right = std::max(right, at->x());
            top = std::min(top, at->y());
            bottom = std::max(bottom, at->y());
        }
    }
    if (right >= 0)
        changed(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);  // the panel's bevel
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

} // namespace brelo
