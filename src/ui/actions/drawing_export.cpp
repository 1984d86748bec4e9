#include "ui/actions/drawing_export.h"

#include "ui/window/form1.h"
#include "core/common/twips.h"
#include "core/drawing/disc_drawing.h"
#include "core/drawing/layout_drawing.h"
#include "ui/widgets/picture_area.h"
#include "core/drawing/zenith_up_disc.h"

#include <QBuffer>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTabWidget>

namespace brelo {

namespace {

// The texts that belong to each drawing; the scale control's caption does not.
const char *const kLayoutLabels[] = {"Label2", "lblpico1", "Lblpicdo", "Lblpico2", "Lblpicdia", "Lblpico3", "Lblpicfoy"};
const char *const kDiscLabels[] = {"Label28", "Label29", "Label30", "Label31"};

// Screen pixels per inch: a logical pixel of the window is 15 twips.
constexpr int kLogicalDpi = 1440 / kTwipsPerPixel;

template <std::size_t N>
std::vector<DrawingLabel> labelsOf(const Form1 &form, const PictureArea &picture, const char *const (&names)[N])
{
    const double zoom = picture.zoom();
    std::vector<DrawingLabel> labels;
    for (const char *name : names) {
        const auto *label = qobject_cast<const QLabel *>(form.control(QString::fromLatin1(name)));
        if (!label || label->isHidden())
            continue;
        const QRectF rect = QRectF(label->geometry()).translated(-PictureArea::kBorderPx, -PictureArea::kBorderPx);
        // In logical pixels, so that every device (a printer at 1200 dpi too) sizes it alike.
        QFont font = label->font();
        const double points = font.pointSizeF() > 0 ? font.pointSizeF() / zoom : 8.25;
        font.setPixelSize(qRound(points * kLogicalDpi / 72.0));
        std::optional<QColor> background;
        if (label->autoFillBackground())
            background = label->palette().color(QPalette::Window);
        labels.push_back({QRectF(rect.topLeft() / zoom, rect.size() / zoom), label->text(), font,
                          label->palette().color(QPalette::WindowText), background, label->alignment()});
    }
    return labels;
}

} // namespace

std::optional<ResultsPage> shownResultsPage(const Form1 &form)
{
    const auto *tabs = form.findChild<const QTabWidget *>(QStringLiteral("SSTab1"));
    switch (tabs ? tabs->currentIndex() : -1) {
    case 0:
        return ResultsPage::Optics;
    case 2:
        return ResultsPage::Ephemeris;
    default:
        return std::nullopt;
    }
}

std::optional<PageDrawing> pageDrawing(const Form1 &form, QString *reason)
{
    const std::optional<ResultsPage> page = shownResultsPage(form);
    const auto notYet = [reason](const char *why) {
        if (reason)
            *reason = QString::fromUtf8(why);
        return std::nullopt;
    };
    if (!page)
        return notYet("Cette page n'a pas de dessin : affichez la page « Calcul Optique » ou « Ephémérides Solaires ».");
    const char *const pictureName = *page == ResultsPage::Optics ? "Picture1" : "Picture3";
    const auto *picture = qobject_cast<const PictureArea *>(form.control(QString::fromLatin1(pictureName)));
    PageDrawing drawing;
    drawing.innerTwips = QSizeF(picture->innerWidthTwips(), picture->innerHeightTwips());
    drawing.background = picture->background();
    drawing.colorOf = [picture](CanvasColor color) { return picture->colorOf(color); };
    if (*page == ResultsPage::Optics) {
        const std::optional<OpticsRun> &run = form.lastOptics();
        if (!run || run->layout.foco1.empty())
            return notYet("Le train optique n'a pas encore été dessiné : lancez d'abord le calcul.");
        drawing.draw = [run = *run, separator = form.decimalSeparator()](Canvas &canvas) {
            dessin(canvas, run.layout, run.result.state, run.scaleSetting, run.rays, separator);
        };
        drawing.labels = labelsOf(form, *picture, kLayoutLabels);
        drawing.baseName = QStringLiteral("train-optique");
    } else {
        if (!form.lastEphemeris())
            return notYet("Le disque solaire n'a pas encore été dessiné : lancez d'abord le calcul des éphémérides.");
        // The disc as the window shows it, turned zenith up when that is the choice.
        const auto q = static_cast<float>(form.lastEphemeris()->result.values.northZenithDeg);
        drawing.draw = [anglep = form.anglep(), latb0 = form.latb0(), zenithUp = form.discZenithUp(), q](Canvas &canvas) {
            setDiscUserScale(canvas);
            if (zenithUp)
                dessinephemZenithUp(canvas, anglep, latb0, q);
            else
                dessinephem(canvas, anglep, latb0);
        };
        drawing.labels = labelsOf(form, *picture, kDiscLabels);
        drawing.baseName = QStringLiteral("disque-solaire");
    }
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
        painter.drawText(label.rect, static_cast<int>(label.alignment), label.text);
    }
    painter.restore();
}

QImage drawingImage(const PageDrawing &drawing, int scale)
{
    QImage image((drawingPixels(drawing) * scale).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kLogicalDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kLogicalDpi / 0.0254));
    image.fill(drawing.background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    paintDrawing(painter, drawing);
    return image;
}

QByteArray drawingFile(const PageDrawing &drawing, DrawingFormat format, int scale)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QSizeF size = drawingPixels(drawing);
    switch (format) {
    case DrawingFormat::Png:
        drawingImage(drawing, scale).save(&buffer, "PNG");
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
        paintDrawing(painter, drawing);
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
        paintDrawing(painter, drawing);
        break;
    }
    }
    return buffer.data();
}

} // namespace brelo
