// The page's drawing and results as they leave the window: the same primitives
// in every format, pictures drawn at their resolution, CSV cells that are the
// texts shown.

#include "scenario.h"
#include "ui/actions/drawing_export.h"
#include "ui/actions/file_dialogs.h"
#include "ui/actions/file_menu.h"
#include "ui/window/form1.h"
#include "ui/actions/window_zoom.h"
#include "ui/widgets/picture_area.h"
#include "core/drawing/recording_canvas.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// A window after one optical and one ephemeris run, showing the page asked for.
struct RunWindow {
    Form1 form{&fixedClock};
    explicit RunWindow(int page)
    {
        form.runOptics();
        form.runEphemeris();
        form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->blockSignals(true);
        form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(page);
    }
};

// The text a label or a text box shows.
QString shownText(const Form1 &form, const char *name)
{
    QWidget *widget = scenario::control(form, QString::fromLatin1(name));
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    return qobject_cast<QLabel *>(widget)->text();
}

int countTags(const QByteArray &svg, const char *tag)
{
    return static_cast<int>(QString::fromUtf8(svg).count(QRegularExpression(QStringLiteral("<%1[ >]").arg(QLatin1String(tag)))));
}

struct PageCase {
    int page;
    int labels;  // texts drawn with the picture
};

class DrawingExport : public ::testing::TestWithParam<PageCase> {};

// Every segment, circle and dot the screen gets is one vector primitive of the SVG.
TEST_P(DrawingExport, SvgHoldsTheScreenPrimitives)
{
    RunWindow window(GetParam().page);
    const std::optional<PageDrawing> drawing = pageDrawing(window.form, nullptr);
    ASSERT_TRUE(drawing);
    RecordingCanvas recorded(drawing->innerTwips.width(), drawing->innerTwips.height());
    drawing->draw(recorded);
    const QByteArray svg = drawingFile(*drawing, DrawingFormat::Svg, 1);

    const auto segments = static_cast<int>(recorded.count(RecordedOp::Kind::Segment));
    const auto circles = static_cast<int>(recorded.count(RecordedOp::Kind::Circle));
    const auto pixels = static_cast<int>(recorded.count(RecordedOp::Kind::Pixel));
    ASSERT_GT(segments + circles + pixels, 0);
    EXPECT_EQ(countTags(svg, "polyline"), segments);
    // The labels, then each line of the caption.
    ASSERT_FALSE(drawing->caption.isEmpty());
    EXPECT_EQ(countTags(svg, "text"), GetParam().labels + drawing->caption.size());
    // A circle below a pixel becomes a dot, as on the screen; the background,
    // each opaque label and the caption's band are rectangles too.
    auto backgrounds = static_cast<int>(recorded.count(RecordedOp::Kind::Clear)) + 1;
    ASSERT_GE(backgrounds, 1);
    for (const DrawingLabel &label : drawing->labels)
        backgrounds += label.background ? 1 : 0;
    EXPECT_EQ(countTags(svg, "circle") + countTags(svg, "ellipse") + countTags(svg, "rect"),
              circles + pixels + backgrounds);
}

// A 4 × picture is drawn at its resolution: its lines are not blocks of 4 × 4
// equal pixels, and it is not the 1 × picture enlarged.
TEST_P(DrawingExport, PngIsDrawnAtItsScale)
{
    RunWindow window(GetParam().page);
    const std::optional<PageDrawing> drawing = pageDrawing(window.form, nullptr);
    ASSERT_TRUE(drawing);
    const QImage one = drawingImage(*drawing, 1);
    EXPECT_EQ(one.size(), captionedPixels(*drawing).toSize());
    EXPECT_GT(one.height(), drawingPixels(*drawing).height()) << "the caption is under the picture";
    for (const int scale : {2, 4}) {
        const QImage big = drawingImage(*drawing, scale);
        EXPECT_EQ(big.size(), one.size() * scale);
        EXPECT_NE(big, one.scaled(one.size() * scale)) << scale << " ×";
    }
    QImage png;
    ASSERT_TRUE(png.loadFromData(drawingFile(*drawing, DrawingFormat::Png, 2), "PNG"));
    EXPECT_EQ(png.size(), one.size() * 2);
}

TEST_P(DrawingExport, PdfIsOnePageThatRasterises)
{
    RunWindow window(GetParam().page);
    const std::optional<PageDrawing> drawing = pageDrawing(window.form, nullptr);
    ASSERT_TRUE(drawing);
    const QByteArray pdf = drawingFile(*drawing, DrawingFormat::Pdf, 1);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm not installed: header and page count only";
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("d.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    ASSERT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                           file.fileName(), dir.filePath(QStringLiteral("d"))}), 0);
    const QImage page(dir.filePath(QStringLiteral("d-1.png")));
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width(), drawingPixels(*drawing).width(), 2);
    // Drawn, not blank: the rasterised page has the background and other colours.
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    int other = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            other += rgb.pixelColor(x, y) != drawing->background ? 1 : 0;
    EXPECT_GT(other, 100);
}

INSTANTIATE_TEST_SUITE_P(Pages, DrawingExport, ::testing::Values(PageCase{0, 7}, PageCase{2, 4}),
                         [](const auto &info) { return info.param.page == 0 ? "Optics" : "Ephemeris"; });

TEST(DrawingExport, NoDrawingBeforeTheFirstRunOrOnOtherPages)
{
    Form1 form(&fixedClock);
    QString reason;
    EXPECT_FALSE(pageDrawing(form, &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("lancez d'abord"))) << reason.toStdString();
    form.runOptics();
    EXPECT_TRUE(pageDrawing(form, &reason));
    form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(3);
    EXPECT_FALSE(pageDrawing(form, &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("Cette page n'a pas de dessin"))) << reason.toStdString();
}

// The file menu's CSV holds, cell for cell, every text the page shows.
TEST(ResultsCsvExport, CellsAreTheShownTexts)
{
    struct Case {
        int page;
        std::vector<const char *> labels;
    };
    const Case cases[] = {
        {0, {"Lblb", "Lblx", "Lblc", "Lblfocresult", "Lblfd", "Lbldiscmin", "Lbldiscmax", "Lblrem", "Lblpupille",
             "Lblchampo2", "Lblchampo3", "Lblchampo3b", "Lblchamp", "Lblechelle", "Lblchamprayons", "Lblchampminutes",
             "Lbldiscjanvier", "Lbldiscjuillet", "Lblremplit", "Lblcapteur", "Txtpixel", "Txtlargeur", "Txthauteur"}},
        {2, {"lblad", "lbldec", "lblah", "lblh", "lblaz", "lblr", "lblp", "lblb0", "lbll0", "lblksi"}},
        // The Construction page exports the optics run whose numbers it shows.
        {4, {"Lblb", "Lblpupille", "Lblchamp"}},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r.csv"));
        QString told;
        FileDialogs dialogs;
        dialogs.chooseFile = [&](QWidget *, const FileQuestion &) { return FileAnswer{path, {}}; };
        dialogs.tell = [&](QWidget *, const QString &message, bool) { told = message; };
        setFileDialogs(dialogs);
        RunWindow window(c.page);
        window.form.findChild<FileMenu *>()->exportResults();
        setFileDialogs(standardFileDialogs());

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << told.toStdString();
        const QString csv = QString::fromUtf8(file.readAll());
        for (const char *name : c.labels) {
            const QString shown = shownText(window.form, name);
            EXPECT_TRUE(csv.contains(QLatin1Char(',') + shown + QLatin1Char(',')) || csv.contains(QLatin1Char('"') + shown + QLatin1Char('"')))
                << name << " « " << shown.toStdString() << " » not a cell of\n" << csv.toStdString();
        }
    }
}

// The printed page carries the inputs, every result, the drawing's labels and its caption.
TEST(PrintedPage, HoldsTheShownTexts)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    FileDialogs dialogs = standardFileDialogs();
    dialogs.choosePrinter = [&](QWidget *, QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    dialogs.tell = [](QWidget *, const QString &, bool) {};
    setFileDialogs(dialogs);
    RunWindow window(0);
    window.form.findChild<FileMenu *>()->print();
    setFileDialogs(standardFileDialogs());

    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30'000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(printed.count(QLatin1Char('\f')), 1) << "one page";
    for (const char *name : {"Lblb", "Lblfd", "Lbldiscmax", "Lblrem", "Lblpicfoy", "Lblpupille", "Lblchamp", "Lblechelle"}) {
        const QString shown = shownText(window.form, name);
        EXPECT_TRUE(printed.contains(shown)) << name << " « " << shown.toStdString() << " »\n" << printed.toStdString();
    }
    EXPECT_TRUE(printed.contains(QStringLiteral("15 Décembre: 9.453")));
    EXPECT_TRUE(printed.contains(QStringLiteral("O1 : focale 1000, diamètre 90"))) << "the drawing's caption";
}

// On white paper the picture's background and its labels' are white, its
// white rays black (else lost on the paper), every other colour the screen's.
TEST(PrintedPage, DrawingOnWhitePaperKeepsItsOtherColours)
{
    RunWindow window(0);
    const std::optional<PageDrawing> screen = pageDrawing(window.form, nullptr);
    ASSERT_TRUE(screen);
    const PageDrawing paper = onWhitePaper(*screen);
    EXPECT_EQ(paper.background, QColor(Qt::white));
    for (const DrawingLabel &label : paper.labels)
        EXPECT_TRUE(!label.background || *label.background == QColor(Qt::white)) << label.text.toStdString();
    EXPECT_EQ(paper.colorOf(CanvasColor::of(255, 255, 255)), QColor(Qt::black));
    for (const CanvasColor color : {CanvasColor::of(0, 0, 255), CanvasColor::of(255, 255, 0), CanvasColor::of(0, 0, 0),
                                    CanvasColor::buttonFace(), CanvasColor::appWorkspace()})
        EXPECT_EQ(paper.colorOf(color), screen->colorOf(color));
}

// "PNG, taille de l'écran" is the picture as large as the zoomed window shows it.
TEST(DrawingExport, ScreenSizePngFollowsTheZoom)
{
    RunWindow window(2);
    installWindowZoom(window.form, [&window] { window.form.redrawPictures(); }, 150);
    const std::optional<PageDrawing> drawing = pageDrawing(window.form, nullptr);
    ASSERT_TRUE(drawing);
    QImage png;
    ASSERT_TRUE(png.loadFromData(drawingFile(*drawing, DrawingFormat::Png, 1), "PNG"));
    EXPECT_EQ(png.width(), qRound(drawingPixels(*drawing).width() * 1.5));
    const auto *picture = qobject_cast<QWidget *>(scenario::control(window.form, QStringLiteral("Picture3")));
    EXPECT_NEAR(png.width(), picture->contentsRect().width(), 2 * PictureArea::kBorderPx + 1);
}

// The preview shows the page that would be printed: one page, then closed.
TEST(PrintedPage, PreviewShowsOnePage)
{
    RunWindow window(2);
    int pages = -1;
    QTimer::singleShot(0, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        if (auto *widget = preview->findChild<QPrintPreviewWidget *>())
            pages = widget->pageCount();
        preview->reject();
    });
    window.form.findChild<FileMenu *>()->printPreview();
    EXPECT_EQ(pages, 1);
}

} // namespace
} // namespace brelo
