// The disc template at true size: its disc measured on the rasterised PDF, as
// exported and as printed, and the dialog's refusals.
#include "scenario.h"
#include "ui/actions/disc_template_dialog.h"
#include "ui/actions/file_dialogs.h"
#include "ui/window/form1.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace brelo {
namespace {

constexpr int kDpi = 300;
constexpr double kPixelsPerMm = kDpi / 25.4;

// Page 1 of a PDF as pdftoppm draws it at 300 dpi; null without pdftoppm.
QImage rasterised(const QString &pdfPath)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        return {};
    const QString base = pdfPath + QStringLiteral("-page");
    EXPECT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"),
                                           QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfPath, base}),
              0);
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

bool black(const QImage &page, int x, int y) { return page.constScanLine(y)[x] < 80; }  // 8-bit grey

// The longest run of black pixels along a row (or a column): the equator (or
// the axis) of a disc with P = 0 and B0 = 0. Returns its middle.
QPoint centreOf(const QImage &page)
{
    int bestRow = 0, bestRowRun = 0, bestColumn = 0, bestColumnRun = 0, columnMiddle = 0, rowMiddle = 0;
    const auto longest = [&](bool rows, int line, int count, int &best, int &bestLine, int &middle) {
        int run = 0;
        for (int i = 0; i < count; ++i) {
            run = black(page, rows ? i : line, rows ? line : i) ? run + 1 : 0;
            if (run > best) {
                best = run;
                bestLine = line;
                middle = i - run / 2;
            }
        }
    };
    for (int y = 0; y < page.height(); ++y)
        longest(true, y, page.width(), bestRowRun, bestRow, columnMiddle);
    for (int x = 0; x < page.width(); ++x)
        longest(false, x, page.height(), bestColumnRun, bestColumn, rowMiddle);
    return {bestColumn, bestRow};
}

// From the centre along a diagonal: the middle of the first black line met
// beyond 20 mm, the limb (the grid is grey, the letters stand at N, E, S, W).
double limbDistance(const QImage &page, QPoint centre, int dx, int dy)
{
    int first = -1;
    for (int t = static_cast<int>(20 * kPixelsPerMm);; ++t) {
        const int x = centre.x() + dx * t, y = centre.y() + dy * t;
        if (x < 0 || y < 0 || x >= page.width() || y >= page.height())
            return -1.0;
        if (black(page, x, y) && first < 0)
            first = t;
        else if (!black(page, x, y) && first >= 0)
            return (first + t - 1) / 2.0 * std::sqrt(2.0);
    }
}

double discDiameterMm(const QImage &page)
{
    const QPoint centre = centreOf(page);
    const double across = limbDistance(page, centre, 1, 1) + limbDistance(page, centre, -1, -1);
    const double down = limbDistance(page, centre, 1, -1) + limbDistance(page, centre, -1, 1);
    return (across + down) / 2.0 / kPixelsPerMm;
}

TemplateSheet northUpSheet(double diameterMm)
{
    return {{diameterMm, 0.0, 0.0, std::nullopt}, {"Date et heure : 2027-06-21 10:30 TU", "Observateur : ____"}};
}

// Exported: A4 for 150 mm (210 × 297 mm), A3 for 250 mm (297 × 420 mm); the
// disc measures its diameter on the page within half a millimetre.
TEST(DiscTemplate, ExportedPdfDiscHasItsTrueSize)
{
    QTemporaryDir dir;
    for (const auto &[diameter, pageMm] : {std::pair{150.0, QSizeF(210, 297)}, std::pair{250.0, QSizeF(297, 420)}}) {
        const QString path = dir.filePath(QStringLiteral("gabarit-%1.pdf").arg(diameter));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(templatePdf(northUpSheet(diameter)));
        file.close();
        const QImage page = rasterised(path);
        if (page.isNull())
            GTEST_SKIP() << "pdftoppm not installed";
        EXPECT_NEAR(page.width() / kPixelsPerMm, pageMm.width(), 0.5);
        EXPECT_NEAR(page.height() / kPixelsPerMm, pageMm.height(), 0.5);
        EXPECT_NEAR(discDiameterMm(page), diameter, 0.5);
    }
}

// Printed (to a PDF printer at its own resolution and margins): the same size.
TEST(DiscTemplate, PrintedDiscHasItsTrueSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("imprime.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    ASSERT_TRUE(sheetTooLarge(northUpSheet(150), printable).isEmpty());
    EXPECT_FALSE(sheetTooLarge(northUpSheet(250), printable).isEmpty());
    QPainter painter(&printer);
    paintTemplateSheet(painter, northUpSheet(150), printer.resolution() / 25.4, printable);
    painter.end();
    const QImage page = rasterised(path);
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm not installed";
    EXPECT_NEAR(discDiameterMm(page), 150.0, 0.5);
}

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// From the menu: the page's instant beneath the disc; a diameter that is not
// one is refused in French, left as typed, and nothing can be printed.
TEST(DiscTemplate, DialogShowsTheRunAndRefusesBadDiameters)
{
    Form1 form(&fixedClock);
    form.show();
    scenario::run(form, QStringLiteral("menu menugabarit"));
    auto *dialog = form.findChild<DiscTemplateDialog *>();
    ASSERT_NE(dialog, nullptr);
    const auto text = [&](const char *name) {
        return dialog->findChild<QLabel *>(QString::fromLatin1(name))->text().toStdString();
    };
    EXPECT_EQ(text("lbllignesgabarit").rfind("Date et heure : 2026-03-06 09:05 TU · Heure locale : ", 0), 0u)
        << text("lbllignesgabarit");
    auto *diameter = dialog->findChild<QLineEdit *>(QStringLiteral("txtdiametregabarit"));
    auto *print = dialog->findChild<QPushButton *>(QStringLiteral("cmdimprimergabarit"));
    EXPECT_EQ(diameter->text(), QStringLiteral("150"));
    EXPECT_TRUE(print->isEnabled());
    for (const char *typed : {"abc", "10", ""}) {
        diameter->setText(QString::fromLatin1(typed));
        EXPECT_EQ(text("lblmessagegabarit").rfind("Gabarit impossible : le diamètre du disque", 0), 0u) << typed;
        EXPECT_FALSE(print->isEnabled());
        EXPECT_EQ(diameter->text(), QString::fromLatin1(typed));
    }
    diameter->setText(QStringLiteral("120"));
    EXPECT_EQ(text("lblmessagegabarit"), "");
    EXPECT_TRUE(print->isEnabled());
}

} // namespace
} // namespace brelo
