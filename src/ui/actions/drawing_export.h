#pragma once

#include "ui/widgets/painter_canvas.h"
#include "ui/window/page_results.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace brelo {

// A text the drawing carries on its picture area (element names, N S E W).
struct DrawingLabel {
    QRectF rect;  // logical pixels from the inner top-left corner, at 100 %
    QString text;
    QFont font;
    QColor color;
    std::optional<QColor> background;
};

// Everything needed to draw a page's picture again on another device.
struct PageDrawing {
    QSizeF innerTwips;
    QColor background;
    PainterCanvas::ColorOf colorOf;
    std::function<void(Canvas &)> draw;  // the drawing of the latest run, through the Canvas
    std::vector<DrawingLabel> labels;
    QStringList caption;  // written under the picture: what it shows
    double screenZoom = 1.0;  // the window's zoom, which the picture is shown at
    QString baseName;  // a file name to suggest, without extension
};

// The drawing of the page shown, from the latest successful run; none (and a
// French reason) when that page has no drawing yet.
std::optional<PageDrawing> pageDrawing(const PageResults &results, QString *reason);

// Size of the inner area in logical pixels (15 twips each).
QSizeF drawingPixels(const PageDrawing &drawing);

// Draws the picture and its labels in the painter's coordinates, one unit per
// logical pixel from the inner top-left corner.
void paintDrawing(QPainter &painter, const PageDrawing &drawing);

// The picture with its caption beneath, black on white, in the same units.
QSizeF captionedPixels(const PageDrawing &drawing);
void paintCaptioned(QPainter &painter, const PageDrawing &drawing);

// The drawing for paper: a white background (the picture's pink or maroon
// wastes ink), and what it draws in white drawn black so that it still shows;
// every other colour kept.
PageDrawing onWhitePaper(PageDrawing drawing);

enum class DrawingFormat { Png, Svg, Pdf };

// The file's bytes, caption included: a PNG drawn at `scale` × the size the
// screen shows (not enlarged afterwards), or an SVG or a one-page PDF of
// vector primitives at the size of the design.
QByteArray drawingFile(const PageDrawing &drawing, DrawingFormat format, int scale);

// The raster picture with its caption at `scale` logical pixels per pixel of the design.
QImage drawingImage(const PageDrawing &drawing, double scale);

} // namespace brelo
