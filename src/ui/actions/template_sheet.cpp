#include "ui/actions/template_sheet.h"

#include "core/drawing/disc_template_heading.h"
#include "core/drawing/zenith_up_disc.h"
#include "time/instant_line.h"
#include "time/system_zone.h"
#include "ui/widgets/painter_canvas.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>


namespace brelo {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kCanvasPixelsPerInch = 96.0;  // the canvas's unit, a logical pixel
constexpr double kHeadingGapMm = 6.0;
constexpr double kHeadingPoints = 10.0;
constexpr double kLineMm = 6.0;
constexpr double kPdfMarginMm = 10.0;
constexpr int kPdfDpi = 1200;

double headingHeightMm(const TemplateSheet &sheet)
{
    return kHeadingGapMm + kLineMm * static_cast<double>(sheet.heading.size());
}

void paintDisc(QPainter &painter, const TemplateSheet &sheet, double dotsPerMm, double leftMm)
{
    const double side = templateSideMm(sheet.disc.diameterMm);
    painter.save();
    painter.translate(leftMm * dotsPerMm, 0.0);
    painter.scale(dotsPerMm * kMmPerInch / kCanvasPixelsPerInch, dotsPerMm * kMmPerInch / kCanvasPixelsPerInch);
    painter.setRenderHint(QPainter::Antialiasing);
    const double twips = side / kMmPerInch * 1440.0;
    PainterCanvas canvas(painter, QSizeF(twips, twips), Qt::white, [](CanvasColor c) {
        return QColor(c.rgb.r, c.rgb.g, c.rgb.b);
    });
    setTemplateUserScale(canvas, sheet.disc.diameterMm);
    drawDiscTemplate(canvas, sheet.disc);
    painter.restore();
}

} // namespace

TemplateSheet templateSheet(const EphemerisRun &run, double diameterMm, bool zenithUp, char sep)
{
    TemplateSheet sheet;
    const EphemerisResult &r = run.result;
    sheet.disc = {diameterMm, r.anglep, r.latb0, std::nullopt};
    if (zenithUp)
        sheet.disc.zenithTurnDeg = zenithUpTurnDeg(static_cast<float>(r.values.northZenithDeg));
    sheet.heading = templateHeading(run.input, r, zenithUp, sep).lines();
    sheet.heading.front() += " · " + localTimeLine(r.values.julianDay, systemZone()).toStdString();
    return sheet;
}

QString sheetTooLarge(const TemplateSheet &sheet, QSizeF printableMm)
{
    const double side = templateSideMm(sheet.disc.diameterMm);
    if (side <= printableMm.width() && side + headingHeightMm(sheet) <= printableMm.height())
        return {};
    return QCoreApplication::translate("brelo::TemplateSheet",
                                       "Le gabarit de %1 mm (%2 mm avec ses marges, et ses lignes dessous) ne tient "
                                       "pas sur cette feuille : choisissez une feuille plus grande ou un diamètre plus "
                                       "petit.")
        .arg(QLocale().toString(sheet.disc.diameterMm), QLocale().toString(side));
}

void paintTemplateSheet(QPainter &painter, const TemplateSheet &sheet, double dotsPerMm, QSizeF printableMm)
{
    const double side = templateSideMm(sheet.disc.diameterMm);
    const double left = (printableMm.width() - side) / 2.0;
    paintDisc(painter, sheet, dotsPerMm, left);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(kHeadingPoints);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    double y = (side + kHeadingGapMm) * dotsPerMm;
    for (const std::string &line : sheet.heading) {
        painter.drawText(QPointF(left * dotsPerMm, y + ascent), QString::fromStdString(line));
        y += kLineMm * dotsPerMm;
    }
}

QByteArray templatePdf(const TemplateSheet &sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfDpi);
    pdf.setCreator(QStringLiteral("BRELO"));
    pdf.setTitle(QCoreApplication::translate("brelo::TemplateSheet", "Gabarit du disque solaire"));
    const QMarginsF margins(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm);
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const bool fitsA4 = sheetTooLarge(sheet, a4 - QSizeF(2 * kPdfMarginMm, 2 * kPdfMarginMm)).isEmpty();
    pdf.setPageLayout(QPageLayout(QPageSize(fitsA4 ? QPageSize::A4 : QPageSize::A3), QPageLayout::Portrait, margins,
                                  QPageLayout::Millimeter));
    QPainter painter(&pdf);
    const QRectF printable = pdf.pageLayout().paintRect(QPageLayout::Millimeter);
    paintTemplateSheet(painter, sheet, kPdfDpi / kMmPerInch, printable.size());
    painter.end();
    return buffer.data();
}

} // namespace brelo
