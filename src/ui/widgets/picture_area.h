#pragma once

#include "core/drawing/canvas.h"
#include "ui/widgets/canvas_geometry.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QSizeF>

#include <algorithm>
#include <optional>

namespace brelo {

// A picture area of the window: a sunken panel around a retained image that
// the drawings paint into through the Canvas operations. The picture stays
// until the next clear, whatever covers the window meanwhile; each operation
// asks for the repaint of the rectangle it changed.
class PictureArea : public QFrame, public Canvas {
    Q_OBJECT

public:
    // Child controls stand at kBorderPx + twips / 15 from the widget's top-left.
    static constexpr int kBorderPx = 2;

    explicit PictureArea(QColor background, QSizeF innerTwips, QWidget *parent = nullptr);

    // The picture as drawn so far, inner area only, at the device pixel ratio.
    QImage image() const { return image_; }
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
    void setPenWidth(int pixels) override { penWidth_ = std::max(pixels, 1); }
    void setLineStyle(LineStyle style) override { lineStyle_ = style; }
    void setFillStyle(FillStyle style) override { fillStyle_ = style; }
    void setFillColor(CanvasColor color) override { fillColor_ = color; }

    void segment(float x1, float y1, float x2, float y2, CanvasColor color) override;
    void circle(float cx, float cy, float radius, CanvasColor outline) override;
    void pixel(float x, float y, CanvasColor color) override;
    void pixels(std::span<const CanvasPoint> points, CanvasColor color) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRgb resolve(CanvasColor color) const;
    void resolveSystemGreys();
    void allocateImage();
    // The device pixel a dot at this logical point lands on, if any.
    std::optional<QPoint> dotAt(QPointF logical) const;
    // Asks for the repaint of these device pixels of the image.
    void changed(const QRect &device);

    QColor background_;
    QSizeF innerTwips_;
    QSizeF innerPixels_;  // logical
    double zoom_ = 1.0;
    UserCoordinates user_;  // onto logical pixels of the inner area

    int penWidth_ = 1;
    LineStyle lineStyle_ = LineStyle::Solid;
    FillStyle fillStyle_ = FillStyle::Transparent;
    CanvasColor fillColor_;
    QRgb workspace_ = 0;   // application workspace, resolved
    QRgb buttonFace_ = 0;  // button face, resolved

    QImage image_;
    QRect drawn_;  // device pixels drawn since the last clear
};

} // namespace brelo
