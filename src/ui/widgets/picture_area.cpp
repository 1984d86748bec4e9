#include "ui/widgets/picture_area.h"

#include "core/common/twips.h"
#include "ui/widgets/canvas_geometry.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <optional>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <utility>
#include <vector>

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

// The kinds of shapes in a picture's ledger, each noted by the device pixels
// and colours that decide what it paints.
constexpr int kSegmentShape = 1;
constexpr int kCircleShape = 2;
constexpr int kSpeckShape = 3;

// The centre of the pixel that holds a point, where a circle is centred.
QPointF pixelCentre(QPointF logical)
{
    return {std::floor(logical.x()) + 0.5, std::floor(logical.y()) + 0.5};
}


// A run of one colour: the C library's wide fill is the vectorised one.
void fillRun(QRgb *from, int count, QRgb color)
{
    if constexpr (sizeof(wchar_t) == sizeof(QRgb))
        std::wmemset(reinterpret_cast<wchar_t *>(from), static_cast<wchar_t>(color), static_cast<std::size_t>(count));
    else
        std::fill(from, from + count, color);
}

bool samePixels(const QRgb *a, const QRgb *b, int from, int to)
{
    return std::memcmp(a + from, b + from, static_cast<std::size_t>(to - from) * sizeof(QRgb)) == 0;
}

// The first and the last pixel of [from, to) where two rows differ, given
// that they do: halved with wide compares down to a few pixels, which a
// changed ray or lens leaves far from the ends of its row.
constexpr int kFewPixels = 16;

int firstDifference(const QRgb *a, const QRgb *b, int from, int to)
{
    while (to - from > kFewPixels) {
        const int middle = from + (to - from) / 2;
        if (samePixels(a, b, from, middle))
            from = middle;
        else
            to = middle;
    }
    while (a[from] == b[from])
        ++from;
    return from;
}

int lastDifference(const QRgb *a, const QRgb *b, int from, int to)
{
    while (to - from > kFewPixels) {
        const int middle = from + (to - from) / 2;
        if (samePixels(a, b, middle, to))
            to = middle;
        else
            from = middle;
    }
    int last = to - 1;
    while (a[last] == b[last])
        --last;
    return last;
}

} // namespace

PictureArea::PictureArea(QColor background, QSizeF innerTwips, QWidget *parent)
    : QWidget(parent),
      background_(std::move(background)),
      innerTwips_(innerTwips),
      innerPixels_(innerTwips / kTwipsPerPixel),
      user_(1.0 / kTwipsPerPixel)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(innerPixels_.toSize() + QSize(2 * kBorderPx, 2 * kBorderPx));
    allocateImage();
    resolveSystemGreys();
}

PictureArea::~PictureArea() = default;

QImage PictureArea::image() const
{
    settle();
    pixels_ = nullptr;  // the copy shares the rows: the next write must detach them
    return image_;
}

QRgb *PictureArea::row(int y) const
{
    if (!pixels_) {
        pixels_ = reinterpret_cast<QRgb *>(image_.bits());
        pixelsPerRow_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    }
    return pixels_ + y * pixelsPerRow_;
}

void PictureArea::allocateImage()
{
    const qreal ratio = devicePixelRatioF();
    pixels_ = nullptr;
    image_ = QImage((QSizeF(innerPixels_.toSize()) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(background_);
    dotLimit_ = QSizeF(std::ceil(innerPixels_.width()), std::ceil(innerPixels_.height()));
    lastColumn_ = image_.width() - 1;
    lastLine_ = image_.height() - 1;
    ratio_ = ratio;
    stride_ = static_cast<std::uint32_t>(image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)));
    backgroundPixel_ = image_.isNull() ? 0 : reinterpret_cast<const QRgb *>(image_.constBits())[0];
    drawn_.reset(image_.width(), image_.height());
    ledger_.restart();
    undo_.clear();
    undoable_ = true;
    deferred_ = false;
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
    update();
}

void PictureArea::setUserScale(double left, double top, double width, double height)
{
    user_.set(left, top, width, height, innerPixels_);
}

// A drawing mostly repeats the last one's shapes (the disc, its poles and
// axis) under new dots: rather than filling the picture, the clear lifts the
// dots off, keeping what was under each, and the shapes stay until one of
// the new drawing differs (see draw and settle).
void PictureArea::clear()
{
    // A new drawing also picks up a change of screen since the last one.
    if (image_.devicePixelRatio() != devicePixelRatioF())
        allocateImage();
    if (!deferred_) {
        if (undoable_ && ledger_.complete()) {
            QRgb *const first = row(0);
            for (auto dot = undo_.rbegin(); dot != undo_.rend(); ++dot)
                first[dot->pixel] = dot->under;
            kept_ = ledger_.shapes();
            deferred_ = true;
        } else {
            fillDrawn();
        }
    }
    matched_ = 0;
    ledger_.restart();
    undo_.clear();
    undoable_ = true;
    resolveSystemGreys();
    scheduleUpdate();
}

void PictureArea::setPenWidth(int pixels) { penWidth_ = std::max(pixels, 1); }
void PictureArea::setLineStyle(LineStyle style) { lineStyle_ = style; }
void PictureArea::setFillStyle(FillStyle style) { fillStyle_ = style; }
void PictureArea::setFillColor(CanvasColor color) { fillColor_ = color; }

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
    QWidget::changeEvent(event);
}

// The screen is told about a drawing once the event that drew it is over,
// and only about the pixels it changed: a new drawing repeats most of the
// last one, and repainting the whole area would also repaint every control
// standing on it.
void PictureArea::scheduleUpdate()
{
    if (showPending_)
        return;
    showPending_ = true;
    if (showingScopes_ == 0) {
        QMetaObject::invokeMethod(
            this, [this] {
                if (showPending_)  // not shown yet by the end of a Showing
                    showChanges();
            },
            Qt::QueuedConnection);
    }
}

PictureArea::Showing::~Showing()
{
    if (--area_.showingScopes_ == 0 && area_.showPending_)
        area_.showChanges();
}

void PictureArea::showChanges()
{
    showPending_ = false;
    settle();
    if (shown_.size() != image_.size() || shown_.devicePixelRatio() != image_.devicePixelRatio()) {
        shown_ = image_.copy();
        shownLedger_ = ledger_;
        shownDrawn_ = drawn_;
        update();
        return;
    }
    // One rectangle per changed row, from its first to its last changed pixel.
    std::vector<QRect> changed;
    if (ledger_.differingPixels(shownLedger_, differing_))
        compareDots(changed);
    else
        compareAll(changed);
    shownLedger_ = ledger_;
    shownDrawn_ = drawn_;
    if (changed.empty())
        return;
    QRegion device;
    device.setRects(changed.data(), static_cast<int>(changed.size()));
    // Device pixels to the widget's logical ones, rounded outwards.
    const qreal ratio = image_.devicePixelRatio();
    QRegion logical;
    for (const QRect &rect : device) {
        const QRectF scaled(QPointF(rect.topLeft()) / ratio, QSizeF(rect.size()) / ratio);
        logical += scaled.toAlignedRect().translated(kBorderPx, kBorderPx);
    }
    update(logical);
}

// Outside the columns either picture has drawn, both are background.
void PictureArea::compareAll(std::vector<QRect> &changed)
{
    for (int y = 0; y < image_.height(); ++y) {
        const DrawnRows::Span span = DrawnRows::either(drawn_, shownDrawn_, y);
        if (span.left >= span.right)
            continue;
        const auto *now = reinterpret_cast<const QRgb *>(image_.constScanLine(y));
        auto *was = reinterpret_cast<QRgb *>(shown_.scanLine(y));
        if (std::memcmp(now + span.left, was + span.left, static_cast<std::size_t>(span.right - span.left) * sizeof(QRgb)) == 0)
            continue;
        const int first = firstDifference(now, was, span.left, span.right);
        const int last = lastDifference(now, was, first, span.right);
        std::copy(now + first, now + last + 1, was + first);
        changed.emplace_back(first, y, last - first + 1, 1);
    }
}

// Only the pixels the two drawings' dots wrote can differ: in row order, the
// same rectangles as a comparison of every row would find.
void PictureArea::compareDots(std::vector<QRect> &changed)
{
    std::sort(differing_.begin(), differing_.end());
    const QRgb *now = reinterpret_cast<const QRgb *>(image_.constBits());
    QRgb *was = reinterpret_cast<QRgb *>(shown_.bits());
    for (auto pixel = differing_.begin(); pixel != differing_.end();) {
        const std::uint32_t y = *pixel / stride_;
        const auto rowEnd = std::upper_bound(pixel, differing_.end(), (y + 1) * stride_ - 1);
        std::optional<std::uint32_t> first;
        std::uint32_t last = 0;
        for (; pixel != rowEnd; ++pixel) {
            if (now[*pixel] == was[*pixel])
                continue;
            was[*pixel] = now[*pixel];
            first = first.value_or(*pixel);
            last = *pixel;
        }
        if (first)
            changed.emplace_back(static_cast<int>(*first - y * stride_), static_cast<int>(y),
                                 static_cast<int>(last - *first + 1), 1);
    }
}

void PictureArea::segment(float x1, float y1, float x2, float y2, CanvasColor color)
{
    QPointF p = user_.toPixels(x1, y1);
    QPointF q = user_.toPixels(x2, y2);
    if (!isFinite(p) || !isFinite(q) || !clipSegment(p, q, clipArea(innerPixels_)))
        return;
    // On the device's own pixels: on a HiDPI screen a hairline stays one device
    // pixel wide instead of a block of them; wider pens and the dashes keep
    // their size on the screen.
    const double ratio = image_.devicePixelRatio();
    const auto device = [ratio](double v) { return static_cast<double>(static_cast<int>(std::floor(v * ratio))); };
    draw({kSegmentShape, {device(p.x()), device(p.y()), device(q.x()), device(q.y())}, {resolve(color), 0},
          {penWidth_, static_cast<int>(lineStyle_)}});
}

// Bresenham from the first point's pixel up to, but not including, the last
// one's, as the original platform draws lines: a shape drawn at a line's end
// (the final focus under the rays) keeps its pixel.
void PictureArea::plotLine(const DrawingLedger::Shape &line) const
{
    const double ratio = image_.devicePixelRatio();
    int x = static_cast<int>(line.args[0]);
    int y = static_cast<int>(line.args[1]);
    const int xEnd = static_cast<int>(line.args[2]);
    const int yEnd = static_cast<int>(line.args[3]);
    const QRgb color = line.colours[0];
    const int penWidth = line.attributes[0];
    const auto style = static_cast<LineStyle>(line.attributes[1]);
    const int dx = std::abs(xEnd - x);
    const int dy = -std::abs(yEnd - y);
    const int stepX = x < xEnd ? 1 : -1;
    const int stepY = y < yEnd ? 1 : -1;
    const DashPattern pattern = style == LineStyle::Dashed ? kDashed
                                : style == LineStyle::Dotted ? kDotted
                                                             : DashPattern{1, 0};
    const int on = std::max(static_cast<int>(std::lround(pattern.on * ratio)), 1);
    const int period = on + static_cast<int>(std::lround(pattern.off * ratio));
    const int pen = penWidth == 1 ? 1 : static_cast<int>(std::lround(penWidth * ratio));
    const int offset = (pen - 1) / 2;  // wide pens are centred on the line
    const int width = image_.width();
    const int height = image_.height();
    drawn_.markRect(std::min(x, xEnd) - offset, std::min(y, yEnd) - offset, std::max(x, xEnd) - offset + pen,
                    std::max(y, yEnd) - offset + pen);
    // A solid line along a row or a column is one block: the pen's squares
    // from the first pixel up to the one before the last, side by side.
    if (period == on && (dx == 0 || dy == 0)) {
        const int left = std::min(x, xEnd + (stepX < 0 && dx != 0 ? 1 : 0));
        const int right = std::max(x, xEnd - (stepX > 0 && dx != 0 ? 1 : 0));
        const int top = std::min(y, yEnd + (stepY < 0 && dy != 0 ? 1 : 0));
        const int bottom = std::max(y, yEnd - (stepY > 0 && dy != 0 ? 1 : 0));
        if (dx != 0 || dy != 0)
            fillRect(left - offset, top - offset, right - left + pen, bottom - top + pen, color);
        return;
    }
    QRgb *const first = row(0);  // rows follow one another at stride_
    const auto walk = [&](auto plot) {
        int error = dx + dy;
        for (int phase = 0; x != xEnd || y != yEnd; phase = phase + 1 == period ? 0 : phase + 1) {
            if (phase < on)
                plot(x, y);
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
    };
    const auto inImage = [width, height](int px, int py) { return px >= 0 && px < width && py >= 0 && py < height; };
    const auto dot = [first, this, color](int px, int py) {
        first[static_cast<std::size_t>(py) * stride_ + static_cast<std::size_t>(px)] = color;  // in place
    };
    // Every pixel of a line lies within the box of its ends.
    if (pen != 1)
        walk([&](int px, int py) { fillBlock(px - offset, py - offset, pen, color); });
    else if (inImage(x, y) && inImage(xEnd, yEnd))
        walk(dot);
    else
        walk([&](int px, int py) {
            if (inImage(px, py))
                dot(px, py);
        });
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
        draw({kSpeckShape, {static_cast<double>(dotAt(centre))}, {resolve(outline)}});
        return;
    }
    // A hairline outline is one device pixel (a cosmetic pen) on a HiDPI screen too.
    const bool hairline = penWidth_ == 1 && image_.devicePixelRatio() != 1.0;
    const QPointF at = pixelCentre(centre);
    const bool filled = fillStyle_ == FillStyle::Solid;
    draw({kCircleShape, {at.x(), at.y(), r}, {resolve(outline), filled ? resolve(fillColor_) : 0},
          {hairline ? 0 : penWidth_, filled}});
}

// A shape that the picture, cleared but still holding the last drawing's
// shapes, already shows in its place is not drawn again.
void PictureArea::draw(const DrawingLedger::Shape &shape)
{
    if (!undo_.empty())
        undoable_ = false;  // a shape over dots: they can no longer be lifted alone
    if (deferred_) {
        DrawingLedger::Shape placed = shape;
        placed.dotsBefore = 0;
        if (matched_ < kept_.size() && kept_[matched_] == placed) {
            ++matched_;
            ledger_.addShape(shape);
            scheduleUpdate();
            return;
        }
        redraw();
    }
    ledger_.addShape(shape);
    paintShape(shape);
    scheduleUpdate();
}

void PictureArea::paintShape(const DrawingLedger::Shape &shape) const
{
    switch (shape.kind) {
    case kSegmentShape: plotLine(shape); return;
    case kSpeckShape:
        if (const auto at = static_cast<std::uint32_t>(shape.args[0]); at != DrawingLedger::kMissed) {
            row(0)[at] = shape.colours[0];  // rows follow one another at stride_
            const auto x = static_cast<int>(at % stride_);
            drawn_.mark(static_cast<int>(at / stride_), x, x + 1);
        }
        return;
    case kCircleShape: break;
    }
    const CircleStamps::Circle circle{QPointF(shape.args[0], shape.args[1]), shape.args[2], shape.colours[0],
                                      shape.attributes[1] ? std::optional(shape.colours[1]) : std::nullopt,
                                      shape.attributes[0]};
    if (const auto *runs = circles_.runs(circle, image_.size(), image_.devicePixelRatio())) {
        for (const CircleStamps::Run &run : *runs) {
            fillRun(row(run.y) + run.left, run.right - run.left, run.color);
            drawn_.mark(run.y, run.left, run.right);
        }
    } else {
        pixels_ = nullptr;  // the painter may detach the rows
        paintCircle(image_, circle);
        // Its bounds in device pixels, with room for the pen.
        const double reach = (circle.radius + std::max(circle.penWidth, 1) + 2) * image_.devicePixelRatio();
        const QPointF centre = circle.centre * image_.devicePixelRatio();
        drawn_.markRect(static_cast<int>(std::floor(centre.x() - reach)), static_cast<int>(std::floor(centre.y() - reach)),
                        static_cast<int>(std::ceil(centre.x() + reach)) + 1,
                        static_cast<int>(std::ceil(centre.y() + reach)) + 1);
    }
}

// Ends a deferred clear: the picture is right as it stands when the new
// drawing repeated every shape kept; otherwise it is cleared for real and the
// shapes drawn so far painted again.
// Back to the background colour, where anything was drawn.
void PictureArea::fillDrawn() const
{
    for (int y = 0; y < drawn_.height(); ++y) {
        if (const DrawnRows::Span span = drawn_.span(y); span.left < span.right)
            fillRun(row(y) + span.left, span.right - span.left, backgroundPixel_);
    }
    drawn_.reset(image_.width(), image_.height());
}

void PictureArea::settle() const
{
    if (!deferred_)
        return;
    if (matched_ != kept_.size())
        redraw();
    deferred_ = false;
}

void PictureArea::redraw() const
{
    deferred_ = false;
    fillDrawn();
    for (const DrawingLedger::Shape &shape : ledger_.shapes())
        paintShape(shape);
}

void PictureArea::pixel(float x, float y, CanvasColor color)
{
    const CanvasPoint point{x, y};
    PictureArea::pixels({&point, 1}, color);
}

// The dots of a drawing in one go: each is written in place and noted in the
// ledger, which lets the comparison with the screen look at the dots alone.
void PictureArea::pixels(std::span<const CanvasPoint> points, CanvasColor color)
{
    settle();
    const QRgb rgb = resolve(color);
    QRgb *const first = row(0);
    DrawingLedger::Dot *noted = ledger_.addDots(points.size());
    const std::size_t undone = undo_.size();
    undo_.resize(undone + points.size());
    Lifted *lifted = undo_.data() + undone;
    std::uint32_t lowest = DrawingLedger::kMissed;
    std::uint32_t highest = 0;
    const UserCoordinates user = user_;
    const DotGrid grid = dotGrid();
    for (const CanvasPoint &point : points) {
        const std::uint32_t at = grid.at(user.toPixels(point.x, point.y));
        *noted++ = {at, rgb};
        if (at != DrawingLedger::kMissed) {
            *lifted++ = {at, first[at]};
            first[at] = rgb;
            lowest = std::min(lowest, at);
            highest = std::max(highest, at);
        }
    }
    undo_.resize(static_cast<std::size_t>(lifted - undo_.data()));
    const bool drawn = lowest != DrawingLedger::kMissed;
    if (drawn)  // the rows from the first dot's to the last one's
        drawn_.markRect(0, static_cast<int>(lowest / stride_), image_.width(), static_cast<int>(highest / stride_) + 1);
    if (drawn)
        scheduleUpdate();
}

// Writes size × size device pixels straight into the image: exact, never
// smeared, clipped to the image.
void PictureArea::fillBlock(int left, int top, int size, QRgb color) const
{
    fillRect(left, top, size, size, color);
}

void PictureArea::fillRect(int left, int top, int width, int height, QRgb color) const
{
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + width, image_.width());
    const int y0 = std::max(top, 0);
    const int y1 = std::min(top + height, image_.height());
    if (x0 >= x1)
        return;
    for (int y = y0; y < y1; ++y)
        fillRun(row(y) + x0, x1 - x0, color);
}

void PictureArea::remember(const QRect &device)
{
    const QRect rows = device.intersected(image_.rect());
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(image_.constScanLine(y));
        std::copy(from + rows.left(), from + rows.right() + 1, reinterpret_cast<QRgb *>(shown_.scanLine(y)) + rows.left());
    }
}

// The sunken two-pixel bevel of a Windows panel, as four pairs of one-pixel
// bands: dark and shadow at the top and left, light and midlight at the bottom
// and right. Plain fills cost a fraction of the polylines the style helper draws.
void PictureArea::paintBevel(QPainter &paint, const QRect &exposed) const
{
    const int w = width();
    const int h = height();
    const QPalette &colours = palette();
    const struct {
        QRect rect;
        QPalette::ColorRole role;
    } bands[] = {
        {{0, 0, 1, h - 1}, QPalette::Dark},        {{0, 0, w - 1, 1}, QPalette::Dark},
        {{0, h - 1, w, 1}, QPalette::Light},       {{w - 1, 0, 1, h}, QPalette::Light},
        {{1, 1, 1, h - 3}, QPalette::Shadow},      {{1, 1, w - 3, 1}, QPalette::Shadow},
        {{1, h - 2, w - 2, 1}, QPalette::Midlight}, {{w - 2, 1, 1, h - 2}, QPalette::Midlight},
    };
    for (const auto &band : bands) {
        const QRect part = band.rect.intersected(exposed);
        if (!part.isEmpty())
            paint.fillRect(part, colours.color(band.role));
    }
}

// Each rectangle of the exposed region on its own, under a rectangular clip:
// the fills and the plain copy of the picture then take the raster engine's
// straight paths instead of its clipped ones (which also share out their work
// to helper threads).
void PictureArea::paintEvent(QPaintEvent *event)
{
    settle();
    QPainter paint(this);
    const QRect inner(QPoint(kBorderPx, kBorderPx), image_.deviceIndependentSize().toSize());
    const qreal ratio = image_.devicePixelRatio();
    for (const QRect &exposed : event->region()) {
        paint.setClipRect(exposed);
        if (!inner.contains(exposed))
            paintBevel(paint, exposed);
        const QRect part = exposed.intersected(inner);
        if (part.isEmpty())
            continue;
        const QRectF source(QPointF(part.topLeft() - inner.topLeft()) * ratio, QSizeF(part.size()) * ratio);
        paint.drawImage(QRectF(part), image_, source);
        // Shown before the changes were compared: the screen now holds them
        // here, and no longer what the last comparison left.
        if (showPending_ && shown_.size() == image_.size()) {
            remember(source.toAlignedRect());
            shownLedger_.forget();
            shownDrawn_.add(drawn_);
        }
    }
}

} // namespace brelo
