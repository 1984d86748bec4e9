#include "ui/actions/chart_export.h"

#include "ui/actions/atomic_file.h"
#include "ui/actions/file_dialogs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsView>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <iterator>

namespace brelo {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPngScale = 2;

struct ChartChoice {
    const char *filter;
    DrawingFormat format;
    const char *extension;
};
const ChartChoice kChoices[] = {
    {QT_TRANSLATE_NOOP("brelo::ChartExport", "Image PNG, 2 × la taille de l'écran (*.png)"), DrawingFormat::Png, "png"},
    {QT_TRANSLATE_NOOP("brelo::ChartExport", "Dessin vectoriel SVG (*.svg)"), DrawingFormat::Svg, "svg"},
    {QT_TRANSLATE_NOOP("brelo::ChartExport", "Document PDF (*.pdf)"), DrawingFormat::Pdf, "pdf"},
};

QString text(const char *source) { return QCoreApplication::translate("brelo::ChartExport", source); }

// The file's extension when it names a format, else the filter chosen.
const ChartChoice &choiceOf(const FileAnswer &answer)
{
    const QString suffix = QFileInfo(answer.path).suffix().toLower();
    for (const ChartChoice &choice : kChoices)
        if (suffix == QLatin1String(choice.extension))
            return choice;
    for (const ChartChoice &choice : kChoices)
        if (text(choice.filter) == answer.filter)
            return choice;
    return kChoices[0];
}

void render(QGraphicsView &chart, QPaintDevice &device, double scale)
{
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QRect shown = chart.viewport()->rect();
    chart.render(&painter, QRectF(shown), shown);
}

} // namespace

QByteArray chartFile(QGraphicsView &chart, DrawingFormat format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QSize size = chart.viewport()->size();
    switch (format) {
    case DrawingFormat::Png: {
        QImage image(size * kPngScale, QImage::Format_RGB32);
        image.fill(Qt::white);
        render(chart, image, kPngScale);
        image.save(&buffer, "PNG");
        break;
    }
    case DrawingFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kScreenDpi);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        render(chart, svg, 1.0);
        break;
    }
    case DrawingFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kScreenDpi);
        pdf.setCreator(QStringLiteral("BRELO"));
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kScreenDpi, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        render(chart, pdf, 1.0);
        break;
    }
    }
    return buffer.data();
}

QString exportChart(QWidget &parent, QGraphicsView &chart, const QString &baseName)
{
    QStringList filters;
    for (const ChartChoice &choice : kChoices)
        filters << text(choice.filter);
    const auto answer = fileDialogs().chooseFile(
        &parent, {FileQuestion::Kind::Save, text(QT_TRANSLATE_NOOP("brelo::ChartExport", "Exporter le graphique")),
                  baseName + QStringLiteral(".png"),
                  filters});
    if (!answer)
        return {};
    const ChartChoice &choice = choiceOf(*answer);
    const QString path = withExtension(answer->path, choice.extension);
    const QString error = writeFileAtomically(path, chartFile(chart, choice.format));
    const QString told = error.isEmpty()
                             ? text(QT_TRANSLATE_NOOP("brelo::ChartExport", "Graphique exporté dans « %1 »."))
                                   .arg(QDir::toNativeSeparators(path))
                             : error;
    fileDialogs().tell(&parent, told, !error.isEmpty());
    return told;
}

} // namespace brelo
