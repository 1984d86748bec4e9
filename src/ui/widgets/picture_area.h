#pragma once

#include "core/drawing/canvas.h"
#include "ui/widgets/canvas_geometry.h"
#include "ui/widgets/circle_stamps.h"
#include "core/drawing/drawing_ledger.h"
#include "core/drawing/drawn_rows.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QWidget>

class QPainter;

namespace brelo {

// A picture area of the window: a sunken frame around a retained image that
// the drawings paint into through the Canvas operations. The picture stays
// until the next clear, whatever covers the window meanwhile.
class PictureArea : public QWidget, public Canvas {
    Q_OBJECT

public:
    // Child controls stand at kBorderPx + twips / 15 from the widget's top-left.
    static constexpr int kBorderPx = 2;

    explicit PictureArea(QColor background, QSizeF innerTwips, QWidget *parent = nullptr);
    ~PictureArea() override;

    // Drawings made while one of these lives are shown when it ends, in the
    // event that drew them: no call is queued for after the event, as it is
    // for a drawing nobody says is complete.
    class Showing {
    public:
        explicit Showing(PictureArea &area) : area_(area) { ++area_.showingScopes_; }
        ~Showing();
        Showing(const Showing &) = delete;
        Showing &operator=(const Showing &) = delete;

    private:
        PictureArea &area_;
    };

    // The picture as drawn so far, inner area only, at the device pixel ratio.
    QImage image() const;
    QColor background() const { return background_; }
    // The colour an operation's colour stands for here (system greys included).
    QColor colorOf(CanvasColor color) const { return QColor(resolve(color)); }
    // The window's zoom: the area grows and its image is drawn at zoom × the
    // device pixel ratio; user coordinates and child positions in twips stay.
    // The picture is blank until the next drawing.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

    double innerWidthTwips() const override { return innerTwips_.width(); }
    double innerHeightTwips() const override { return innerTwips_.height(); }
    void setUserScale(double left, double top, double width, double height) override;

    void clear() override;
    void setPenWidth(int pixels) override;
    void setLineStyle(LineStyle style) override;
    void setFillStyle(FillStyle style) override;
    void setFillColor(CanvasColor color) override;

    void segment(float x1, float y1, float x2, float y2, CanvasColor color) override;
    void circle(float cx, float cy, float radius, CanvasColor outline) override;
    void pixel(float x, float y, CanvasColor color) override;
    void pixels(std::span<const CanvasPoint> points, CanvasColor color) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Where dots land in the image, copied out of the picture so that a loop
    // over many dots keeps it in registers (its writes to the image could
    // otherwise be the picture's own members, to be read again per dot).
    struct DotGrid {
        double width, height;  // logical: a dot lands below them
        double ratio;
        int lastColumn, lastLine;
        std::uint32_t stride;

        // The device pixel a dot at this logical point writes, as an offset
        // from the first row's start, or kMissed.
        std::uint32_t at(QPointF logical) const
        {
            // floor(v) is in [0, n) exactly when v is in [0, ceil(n)), and there a
            // conversion to int is the floor (without a library call per dot).
            if (!(logical.x() >= 0.0 && logical.x() < width && logical.y() >= 0.0 && logical.y() < height))
                return DrawingLedger::kMissed;
            const int column = std::min(static_cast<int>(logical.x() * ratio), lastColumn);
            const int line = std::min(static_cast<int>(logical.y() * ratio), lastLine);
            return static_cast<std::uint32_t>(line) * stride + static_cast<std::uint32_t>(column);
        }
    };
    DotGrid dotGrid() const
    {
        return {dotLimit_.width(), dotLimit_.height(), ratio_, lastColumn_, lastLine_, stride_};
    }
    std::uint32_t dotAt(QPointF logical) const { return dotGrid().at(logical); }
    void compareAll(std::vector<QRect> &changed);
    void compareDots(std::vector<QRect> &changed);
    void draw(const DrawingLedger::Shape &shape);
    void paintShape(const DrawingLedger::Shape &shape) const;
    void plotLine(const DrawingLedger::Shape &line) const;
    void fillBlock(int left, int top, int size, QRgb color) const;  // device pixels
    void fillRect(int left, int top, int width, int height, QRgb color) const;
    void settle() const;
    void fillDrawn() const;
    void redraw() const;
    QRgb resolve(CanvasColor color) const;
    void resolveSystemGreys();
    void allocateImage();
    QRgb *row(int y) const;  // a row of device pixels, detached
    void scheduleUpdate();
    void showChanges();
    void remember(const QRect &device);  // image_ into shown_, device pixels
    void paintBevel(QPainter &paint, const QRect &exposed) const;

    QColor background_;
    QSizeF innerTwips_;
    QSizeF innerPixels_;  // logical
    QSizeF dotLimit_;     // innerPixels_ rounded up: a dot lands below it
    // The image's, kept for the dots: one call each per dot is most of a dot.
    int lastColumn_ = 0;
    int lastLine_ = 0;
    double ratio_ = 1.0;
    std::uint32_t stride_ = 0;  // pixels from one row of the image to the next

    UserCoordinates user_;  // onto logical pixels of the inner area

    int penWidth_ = 1;
    LineStyle lineStyle_ = LineStyle::Solid;
    FillStyle fillStyle_ = FillStyle::Transparent;
    CanvasColor fillColor_;

    QRgb workspace_ = 0;   // application workspace, resolved
    QRgb buttonFace_ = 0;  // button face, resolved
    // The picture, which a deferred clear settles even when it is only read.
    mutable QImage image_;
    // Its rows, writable, while no copy of the picture shares them.
    mutable QRgb *pixels_ = nullptr;
    mutable qsizetype pixelsPerRow_ = 0;
    double zoom_ = 1.0;
    mutable CircleStamps circles_;
    QImage shown_;  // what the screen holds of the picture, or will once painted
    DrawingLedger ledger_;       // how image_ was drawn
    DrawingLedger shownLedger_;  // how shown_ was
    mutable DrawnRows drawn_;    // where image_ may differ from the background
    DrawnRows shownDrawn_;       // where shown_ may
    QRgb backgroundPixel_ = 0;
    std::vector<std::uint32_t> differing_;  // where they may differ, kept for its room
    bool showPending_ = false;
    int showingScopes_ = 0;

    // Each dot of the drawing and the colour it covered, while the picture is
    // its shapes and then these dots.
    struct Lifted {
        Lifted() {}  // left unset: the room is filled right after it is made
        Lifted(std::uint32_t pixel, QRgb under) : pixel(pixel), under(under) {}
        std::uint32_t pixel;
        QRgb under;
    };
    std::vector<Lifted> undo_;
    bool undoable_ = true;
    // A clear not yet carried out: the picture still holds kept_, the last
    // drawing's shapes, of which the new drawing has repeated matched_.
    mutable bool deferred_ = false;
    std::vector<DrawingLedger::Shape> kept_;
    std::size_t matched_ = 0;
};

} // namespace brelo
