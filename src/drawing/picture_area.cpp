#include "drawing/picture_area.h"

#include "common/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace brelo {

namespace {

// Broken lines as the original platform's cosmetic pens draw them: pixels on,
// pixels off along the line's major axis.
struct DashPattern {
    int on, off;
};
constexpr DashPattern kDashed{18, 6};
constexpr DashPattern kDotted{3, 3};

// Fixed greys for a palette whose own greys cannot be told apart.
const QColor kFallbackWorkspace(171, 171, 171);
const QColor kFallbackButtonFace(240, 240, 240);
constexpr int kMinGreyContrast = 40;

// Shapes are clipped to the inner area plus this margin (logical pixels)
// before they are rasterised, so huge coordinates never reach a loop or QPainter.
constexpr double kClipMargin = 32.0;

// Liang–Barsky: shortens the segment p–q to the rectangle, false when it
// misses. A cut end is placed on the edge it crosses from the edge's own
// coordinate, so a horizontal or vertical line from ±1e37 stays exact.
bool clipSegment(QPointF &p, QPointF &q, const QRectF &rect)
{
    const double dx = q.x() - p.x();
    const double dy = q.y() - p.y();
    struct Edge {
        double dir, room, at;
        bool vertical;
    };
    const Edge edges[] = {
        {-dx, p.x() - rect.left(), rect.left(), true},
        {dx, rect.right() - p.x(), rect.right(), true},
        {-dy, p.y() - rect.top(), rect.top(), false},
        {dy, rect.bottom() - p.y(), rect.bottom(), false},
    };
    double t0 = 0.0;
    double t1 = 1.0;
    const Edge *enter = nullptr;
    const Edge *leave = nullptr;
    for (const Edge &edge : edges) {
        if (edge.dir == 0.0) {
            if (edge.room < 0.0)
                return false;
            continue;
        }
        const double t = edge.room / edge.dir;
        if (edge.dir < 0.0 && t > t0) {
            t0 = t;
            enter = &edge;
        } else if (edge.dir > 0.0 && t < t1) {
            t1 = t;
            leave = &edge;
        }
        if (t0 > t1)
            return false;
    }
    const QPointF start = p;
    const auto onEdge = [&](const Edge &edge) {
        return edge.vertical ? QPointF(edge.at, start.y() + (edge.at - start.x()) * dy / dx)
                             : QPointF(start.x() + (edge.at - start.y()) * dx / dy, edge.at);
    };
    if (enter)
        p = onEdge(*enter);
    if (leave)
        q = onEdge(*leave);
    return true;
}

// The centre of the pixel that holds a point, where a circle is centred.
QPointF pixelCentre(QPointF logical)
{
    return {std::floor(logical.x()) + 0.5, std::floor(logical.y()) + 0.5};
}

bool isFinite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

PictureArea::PictureArea(QColor background, QSizeF innerTwips, QWidget *parent)
    : QWidget(parent),
      background_(std::move(background)),
      innerTwips_(innerTwips),
      innerPixels_(innerTwips / kTwipsPerPixel),
      pixelsPerUnitX_(1.0 / kTwipsPerPixel),
      pixelsPerUnitY_(1.0 / kTwipsPerPixel)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(innerPixels_.toSize() + QSize(2 * kBorderPx, 2 * kBorderPx));
    allocateImage();
}

PictureArea::~PictureArea() = default;

QImage PictureArea::image() const { return image_; }

void PictureArea::allocateImage()
{
    const qreal ratio = devicePixelRatioF();
    image_ = QImage((QSizeF(innerPixels_.toSize()) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(background_);
}

void PictureArea::setZoom(double zoom)
{
    if (!(zoom > 0.0) || zoom == zoom_)
        return;
    pixelsPerUnitX_ *= zoom / zoom_;
    pixelsPerUnitY_ *= zoom / zoom_;
    zoom_ = zoom;
    innerPixels_ = innerTwips_ / kTwipsPerPixel * zoom;
    setFixedSize(innerPixels_.toSize() + QSize(2 * kBorderPx, 2 * kBorderPx));
    allocateImage();
    update();
}

void PictureArea::setUserScale(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    pixelsPerUnitX_ = innerPixels_.width() / width;
    pixelsPerUnitY_ = innerPixels_.height() / height;
}

QPointF PictureArea::toPixels(double x, double y) const
{
    return {(x - left_) * pixelsPerUnitX_, (y - top_) * pixelsPerUnitY_};
}

void PictureArea::clear()
{
    // A new drawing also picks up a change of screen since the last one.
    if (image_.devicePixelRatio() != devicePixelRatioF())
        allocateImage();
    image_.fill(background_);
    scheduleUpdate();
}

void PictureArea::setPenWidth(int pixels) { penWidth_ = std::max(pixels, 1); }
void PictureArea::setLineStyle(LineStyle style) { lineStyle_ = style; }
void PictureArea::setFillStyle(FillStyle style) { fillStyle_ = style; }
void PictureArea::setFillColor(CanvasColor color) { fillColor_ = color; }

QColor PictureArea::resolve(CanvasColor color) const
{
    if (color.kind == CanvasColor::Kind::Rgb)
        return QColor(color.rgb.r, color.rgb.g, color.rgb.b);
    QColor workspace = palette().color(QPalette::Dark);
    QColor buttonFace = palette().color(QPalette::Button);
    if (std::abs(qGray(workspace.rgb()) - qGray(buttonFace.rgb())) < kMinGreyContrast) {
        workspace = kFallbackWorkspace;
        buttonFace = kFallbackButtonFace;
    }
    return color.kind == CanvasColor::Kind::AppWorkspace ? workspace : buttonFace;
}

void PictureArea::scheduleUpdate()
{
    if (!updatePending_) {
        updatePending_ = true;
        update();
    }
}

void PictureArea::segment(float x1, float y1, float x2, float y2, CanvasColor color)
{
    QPointF p = toPixels(x1, y1);
    QPointF q = toPixels(x2, y2);
    const QRectF visible = QRectF(QPointF(0, 0), innerPixels_).adjusted(-kClipMargin, -kClipMargin,
                                                                        kClipMargin, kClipMargin);
    if (!isFinite(p) || !isFinite(q) || !clipSegment(p, q, visible))
        return;
    plotLine(p, q, resolve(color).rgb());
    scheduleUpdate();
}

// Bresenham from the first point's pixel up to, but not including, the last
// one's, as the original platform draws lines: a shape drawn at a line's end
// (the final focus under the rays) keeps its pixel.
void PictureArea::plotLine(QPointF from, QPointF to, QRgb color)
{
    // On the device's own pixels: on a HiDPI screen a hairline stays one device
    // pixel wide instead of a block of them; wider pens and the dashes keep
    // their size on the screen.
    const double ratio = image_.devicePixelRatio();
    int x = static_cast<int>(std::floor(from.x() * ratio));
    int y = static_cast<int>(std::floor(from.y() * ratio));
    const int xEnd = static_cast<int>(std::floor(to.x() * ratio));
    const int yEnd = static_cast<int>(std::floor(to.y() * ratio));
    const int dx = std::abs(xEnd - x);
    const int dy = -std::abs(yEnd - y);
    const int stepX = x < xEnd ? 1 : -1;
    const int stepY = y < yEnd ? 1 : -1;
    const DashPattern pattern = lineStyle_ == LineStyle::Dashed ? kDashed
                                : lineStyle_ == LineStyle::Dotted ? kDotted
                                                                  : DashPattern{1, 0};
    const int on = std::max(static_cast<int>(std::lround(pattern.on * ratio)), 1);
    const int period = on + static_cast<int>(std::lround(pattern.off * ratio));
    const int width = penWidth_ == 1 ? 1 : static_cast<int>(std::lround(penWidth_ * ratio));
    const int offset = (width - 1) / 2;  // wide pens are centred on the line
    int error = dx + dy;
    for (int step = 0; x != xEnd || y != yEnd; ++step) {
        if (step % period < on)
            fillBlock(x - offset, y - offset, width, color);
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
}

void PictureArea::circle(float cx, float cy, float radius, CanvasColor outline)
{
    const QPointF centre = toPixels(cx, cy);
    const double r = std::abs(radius * pixelsPerUnitX_);  // radii are measured along x
    if (!isFinite(centre) || !std::isfinite(r))
        return;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    if (!bounds.intersects(QRectF(QPointF(-kClipMargin, -kClipMargin), innerPixels_ + QSizeF(2 * kClipMargin, 2 * kClipMargin))))
        return;
    // Below a pixel a circle is a speck of its outline colour.
    if (r < 1.0) {
        setPixelAt(centre, resolve(outline));
        scheduleUpdate();
        return;
    }
    QPainter paint(&image_);
    // A hairline outline is one device pixel (a cosmetic pen) on a HiDPI screen too.
    const bool hairline = penWidth_ == 1 && image_.devicePixelRatio() != 1.0;
    paint.setPen(QPen(resolve(outline), hairline ? 0 : penWidth_));
    paint.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(resolve(fillColor_)) : QBrush(Qt::NoBrush));
    paint.drawEllipse(pixelCentre(centre), r, r);
    scheduleUpdate();
}

void PictureArea::pixel(float x, float y, CanvasColor color)
{
    if (setPixelAt(toPixels(x, y), resolve(color)))
        scheduleUpdate();
}

bool PictureArea::setPixelAt(QPointF logical, QColor color)
{
    const double px = std::floor(logical.x());
    const double py = std::floor(logical.y());
    if (!(px >= 0.0 && px < innerPixels_.width() && py >= 0.0 && py < innerPixels_.height()))
        return false;
    const double ratio = image_.devicePixelRatio();  // a dot is one device pixel
    fillBlock(static_cast<int>(std::floor(logical.x() * ratio)), static_cast<int>(std::floor(logical.y() * ratio)), 1,
              color.rgb());
    return true;
}

// Writes size × size device pixels straight into the image: exact, never
// smeared, clipped to the image.
void PictureArea::fillBlock(int left, int top, int size, QRgb color)
{
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + size, image_.width());
    const int y0 = std::max(top, 0);
    const int y1 = std::min(top + size, image_.height());
    for (int row = y0; row < y1; ++row) {
        auto *line = reinterpret_cast<QRgb *>(image_.scanLine(row));
        if (x0 < x1)
            std::fill(line + x0, line + x1, color);
    }
}

void PictureArea::paintEvent(QPaintEvent *)
{
    updatePending_ = false;
    QPainter paint(this);
    qDrawWinPanel(&paint, rect(), palette(), true);
    paint.drawImage(QPoint(kBorderPx, kBorderPx), image_);
}

} // namespace brelo
