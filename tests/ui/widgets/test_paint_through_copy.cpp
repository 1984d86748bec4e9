#include "ui/window/form1.h"
#include "ui/widgets/look_cache.h"
#include "ui/widgets/paint_through_copy.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

int threadsOfThisProcess() { return static_cast<int>(QDir(QStringLiteral("/proc/self/task")).count()) - 2; }

// Qt's raster engine would hand the pane's and the frames' long fills to its
// thread pool at the window's first paint.
TEST(PaintThroughCopy, TheWindowsFirstPaintStartsNoThread)
{
    const int before = threadsOfThisProcess();
    ASSERT_GT(before, 0);
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(threadsOfThisProcess(), before);
}

// What a control may draw, over what the parent painted: translucent lines
// (long ones among them), an outline, a border image stretched down a tall
// side, text. Through a copy, or in place.
class Drawing : public QWidget {
public:
    Drawing(CopyBands bands, bool throughCopy, QWidget *parent)
        : QWidget(parent), bands_(bands), throughCopy_(throughCopy)
    {
        setFont(QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
        border_ = QImage(6, 12, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < border_.height(); ++y)
            for (int x = 0; x < border_.width(); ++x)
                border_.setPixelColor(x, y, QColor(30 * x, 10 * y, 90, 60 + 15 * y));
    }
    QColor ink{20, 40, 200, 160};
    bool painted = false;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const auto draw = [this](QPainter &paint, const QRect &) {
            paint.setPen(QPen(ink, 1));
            if (bands_ == CopyBands::Whole) {  // sloping lines come out the same in one piece only
                for (int x = 0; x < width(); x += 7)
                    paint.drawLine(x, 0, width() - x, height() - 1);
            }
            for (int y = 3; y < height(); y += 23)
                paint.drawLine(0, y, width() - 1, y);
            paint.drawLine(width() / 2, 0, width() / 2, height() - 1);
            paint.drawRect(rect().adjusted(0, 0, -1, -1));
            paint.drawImage(QRect(2, 2, 6, height() - 4), border_);
            paint.setPen(palette().color(foregroundRole()));
            paint.drawText(rect(), Qt::AlignCenter, QString::fromUtf8("Ephémérides"));
        };
        if (throughCopy_) {
            PaintTarget target;
            target.device = redirected(&target.offset);
            target.sharedPainter = sharedPainter() != nullptr;
            painted = paintThroughCopy(*this, target, event->region(), bands_, draw);
        } else {
            QPainter paint(this);
            paint.setRenderHint(QPainter::SmoothPixmapTransform);
            draw(paint, rect());
        }
    }

private:
    CopyBands bands_;
    bool throughCopy_;
    QImage border_;
};

class Ground : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter paint(this);
        QLinearGradient shade(0, 0, width(), height());
        shade.setColorAt(0, QColor(250, 230, 180));
        shade.setColorAt(1, QColor(90, 160, 120));
        paint.fillRect(rect(), shade);
    }
};

QImage onScreen(QWidget &window, const QWidget &part)
{
    QCoreApplication::processEvents();
    const QRect area(part.mapTo(&window, QPoint(0, 0)), part.size());
    return window.screen()->grabWindow(window.winId()).toImage().copy(area).convertToFormat(QImage::Format_RGB32);
}

// Every pixel as drawn in place, and only the pixels of the region painted.
TEST(PaintThroughCopy, PaintsThePixelsOfAPaintInPlaceWithinTheRegionOnly)
{
    for (const CopyBands bands : {CopyBands::Whole, CopyBands::Rows}) {
        SCOPED_TRACE(bands == CopyBands::Whole ? "whole" : "in bands");
        // Each drawing on a ground of its own, alike, in one window.
        QWidget window;
        window.setGeometry(0, 0, 340, 320);
        Ground groundCopied, groundInPlace;
        groundCopied.setParent(&window);
        groundInPlace.setParent(&window);
        groundCopied.setGeometry(0, 0, 170, 320);
        groundInPlace.setGeometry(170, 0, 170, 320);
        Drawing copied(bands, true, &groundCopied), inPlace(bands, false, &groundInPlace);
        copied.setGeometry(10, 10, 150, 300);
        inPlace.setGeometry(10, 10, 150, 300);
        QWidget coverCopied(&copied), coverInPlace(&inPlace);  // opaque: a hole in each region
        for (QWidget *cover : {&coverCopied, &coverInPlace}) {
            cover->setAutoFillBackground(true);
            cover->setGeometry(30, 120, 40, 30);
        }
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(copied.painted) << "the window's image was out of reach";
        EXPECT_EQ(onScreen(window, copied), onScreen(window, inPlace));

        // A repaint of a part: outside it, the last paint stays.
        const QImage before = onScreen(window, copied);
        const QRect part(20, 100, 60, 80);
        for (Drawing *drawing : {&copied, &inPlace}) {
            drawing->ink = QColor(200, 30, 30, 200);
            drawing->repaint(part);
        }
        const QImage after = onScreen(window, copied);
        EXPECT_EQ(after, onScreen(window, inPlace));
        EXPECT_NE(after.copy(part), before.copy(part));
        QImage outside = after;
        QImage outsideBefore = before;
        for (QImage *image : {&outside, &outsideBefore}) {
            QPainter blank(image);
            blank.fillRect(part, Qt::black);
        }
        EXPECT_EQ(outside, outsideBefore);
    }
}

} // namespace
} // namespace brelo
