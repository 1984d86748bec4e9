#include "ui/actions/drawing_export.h"

#include "core/common/twips.h"
#include "core/drawing/disc_drawing.h"
#include "core/drawing/layout_drawing.h"
#include "ui/pages/picture_labels.h"
#include "ui/pages/run_layout.h"
#include "ui/widgets/controls.h"
#include "core/drawing/zenith_up_disc.h"
#include "core/formats/drawing_caption.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace brelo {

namespace {

// Screen pixels per inch: a logical pixel of the window is 15 twips.
constexpr int kLogicalDpi = 1440 / kTwipsPerPixel;

QColor colorOf(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

// The window's font sized in logical pixels, so that every device (a printer
// at 1200 dpi too) sizes it alike.
QFont pixelFont(QFont font = designFont())
{
    font.setPixelSize(qRound(font.pointSizeF() * kLogicalDpi / 72.0));
    return font;
}

// The labels of a picture as the window places them, at 100 %; `lefts` moves
// some of them where the drawing put them.
std::vector<DrawingLabel> labelsOf(std::span<const PictureLabel> designs, Rgb pictureColor,
                                   std::span<const std::optional<double>> lefts = {})
{
    std::vector<DrawingLabel> labels;
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const PictureLabel &design = designs[i];
        const double left = i < lefts.size() && lefts[i] ? *lefts[i] : design.left;
        QFont font = designFont();
        if (design.narrowFont)
            font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                              QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
        font = pixelFont(font);
        const QRectF rect(left / kTwipsPerPixel, design.top / double(kTwipsPerPixel),
                          design.width / double(kTwipsPerPixel), design.height / double(kTwipsPerPixel));
        labels.push_back({rect, shownText(design), font, colorOf(design.color),
                          design.onPictureColor ? std::optional(colorOf(pictureColor)) : std::nullopt});
    }
    return labels;
}

QStringList captionLines(const std::vector<std::string> &lines)
{
    QStringList caption;
    for (const std::string &line : lines)
        caption << QString::fromStdString(line);
    return caption;
}

// The caption's margin, in logical pixels as its font and the labels' are.
constexpr double kCaptionMargin = 4.0;


QRectF captionRect(const PageDrawing &drawing)
{
    const QSizeF picture = drawingPixels(drawing);
    const QRectF room(kCaptionMargin, picture.height() + kCaptionMargin, picture.width() - 2 * kCaptionMargin, 1e6);
    const QRectF text = QFontMetricsF(pixelFont()).boundingRect(room, Qt::TextWordWrap, drawing.caption.join(QLatin1Char('\n')));
    return {room.topLeft(), QSizeF(room.width(), drawing.caption.isEmpty() ? 0.0 : text.height())};
}

QString text(const char *source) { return QCoreApplication::translate("brelo::DrawingExport", source); }

// `why` is a source text of the "brelo::DrawingExport" context.
std::optional<PageDrawing> notYet(QString *reason, const char *why)
{
    if (reason)
        *reason = text(why);
    return std::nullopt;
}

} // namespace

std::optional<PageDrawing> pageDrawing(const PageResults &results, QString *reason)
{
    const std::optional<ResultsPage> page = results.shownResultsPage();
    if (!page)
        return notYet(reason, QT_TRANSLATE_NOOP("brelo::DrawingExport", "Cette page n'a pas de dessin : affichez la page "
                                                                        "« Calcul Optique » ou « Ephémérides Solaires »."));
    PageDrawing drawing;
    drawing.colorOf = results.pictureColors();
    drawing.screenZoom = results.pictureZoom();
    if (*page == ResultsPage::Optics) {
        const std::optional<OpticsRun> &run = results.lastOptics();
        if (!run || run->layout.foco1.empty())
            return notYet(reason, QT_TRANSLATE_NOOP("brelo::DrawingExport",
                                                    "Le train optique n'a pas encore été dessiné : lancez d'abord le "
                                                    "calcul."));
        drawing.innerTwips = QSizeF(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips);
        drawing.background = colorOf(kLayoutBackground);
        drawing.draw = [run = *run, separator = results.decimalSeparator()](Canvas &canvas) {
            drawRunLayout(canvas, run, separator);
        };
        // The scale bar's length, then the element labels where the drawing put them.
        std::vector<std::optional<double>> lefts{std::nullopt};
        for (const std::optional<double> &left : elementLabelLefts(run->labelEdges))
            lefts.push_back(left);
        drawing.labels = labelsOf(layoutPictureLabels(), kLayoutBackground, lefts);
        drawing.caption = captionLines(trainCaption({run->input, run->layout.do2, run->layout.do3a, run->layout.do3b}));
        drawing.baseName = text(QT_TRANSLATE_NOOP("brelo::DrawingExport", "train-optique"));
        return drawing;
    }
    const std::optional<EphemerisRun> &run = results.lastEphemeris();
    if (!run)
        return notYet(reason, QT_TRANSLATE_NOOP("brelo::DrawingExport", "Le disque solaire n'a pas encore été dessiné : "
                                                                        "lancez d'abord le calcul des éphémérides."));
    drawing.innerTwips = QSizeF(kDiscInnerTwips, kDiscInnerTwips);
    drawing.background = colorOf(kDiscBackground);
    // The disc as the window shows it, turned zenith up when that is the choice.
    const EphemerisResult &result = run->result;
    drawing.draw = [anglep = result.anglep, latb0 = result.latb0, zenithUp = results.discZenithUp(),
                    q = static_cast<float>(result.values.northZenithDeg)](Canvas &canvas) {
        setDiscUserScale(canvas);
        if (zenithUp)
            dessinephemZenithUp(canvas, anglep, latb0, q);
        else
            dessinephem(canvas, anglep, latb0);
    };
    // The compass letters do not follow a turned disc: the window hides them.
    if (!results.discZenithUp())
        drawing.labels = labelsOf(compassLabels(), kDiscBackground);
    drawing.caption = captionLines(discCaption(run->input, result, results.discZenithUp(), results.decimalSeparator()));
    drawing.baseName = text(QT_TRANSLATE_NOOP("brelo::DrawingExport", "disque-solaire"));
    return drawing;
}

QSizeF drawingPixels(const PageDrawing &drawing) { return drawing.innerTwips / kTwipsPerPixel; }

void paintDrawing(QPainter &painter, const PageDrawing &drawing)
{
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), drawingPixels(drawing)));
    PainterCanvas canvas(painter, drawing.innerTwips, drawing.background, drawing.colorOf);
    drawing.draw(canvas);  // both drawings start by clearing to the background
    for (const DrawingLabel &label : drawing.labels) {
        if (label.background)
            painter.fillRect(label.rect, *label.background);
        painter.setFont(label.font);
        painter.setPen(label.color);
        painter.drawText(label.rect, Qt::AlignLeft | Qt::AlignTop, label.text);
    }
    painter.restore();
}

QSizeF captionedPixels(const PageDrawing &drawing)
{
    const QRectF caption = captionRect(drawing);
    // Whole pixels, so that every scale of the picture is the same picture.
    const double below = drawing.caption.isEmpty() ? 0.0 : std::ceil(caption.height() + 2 * kCaptionMargin);
    return drawingPixels(drawing) + QSizeF(0, below);
}

void paintCaptioned(QPainter &painter, const PageDrawing &drawing)
{
    paintDrawing(painter, drawing);
    const QSizeF picture = drawingPixels(drawing);
    painter.save();
    painter.fillRect(QRectF(QPointF(0, picture.height()), captionedPixels(drawing) - QSizeF(0, picture.height())),
                     Qt::white);
    painter.setFont(pixelFont());
    painter.setPen(Qt::black);
    painter.drawText(captionRect(drawing), Qt::TextWordWrap, drawing.caption.join(QLatin1Char('\n')));
    painter.restore();
}

PageDrawing onWhitePaper(PageDrawing drawing)
{
    const QColor white(Qt::white);
    drawing.background = white;
    for (DrawingLabel &label : drawing.labels)
        if (label.background)
            label.background = white;
    drawing.colorOf = [screen = std::move(drawing.colorOf), white](CanvasColor color) {
        const QColor shown = screen(color);
        return shown == white ? QColor(Qt::black) : shown;
    };
    return drawing;
}

QImage drawingImage(const PageDrawing &drawing, double scale)
{
    QImage image((captionedPixels(drawing) * scale).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kLogicalDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kLogicalDpi / 0.0254));
    image.fill(drawing.background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    paintCaptioned(painter, drawing);
    return image;
}

QByteArray drawingFile(const PageDrawing &drawing, DrawingFormat format, int scale)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QSizeF size = captionedPixels(drawing);
    switch (format) {
    case DrawingFormat::Png:
        drawingImage(drawing, scale * drawing.screenZoom).save(&buffer, "PNG");
        break;
    case DrawingFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kLogicalDpi);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        svg.setTitle(drawing.baseName);
        svg.setDescription(QStringLiteral("BRELO"));
        QPainter painter(&svg);
        paintCaptioned(painter, drawing);
        break;
    }
    case DrawingFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kLogicalDpi);
        pdf.setCreator(QStringLiteral("BRELO"));
        pdf.setTitle(drawing.baseName);
        pdf.setPageSize(QPageSize(size * 72.0 / kLogicalDpi, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        paintCaptioned(painter, drawing);
        break;
    }
    }
    return buffer.data();
}

} // namespace brelo
