#include "app/banded_paint.h"
#include "app/form1.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QStyleOptionTabWidgetFrame>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace brelo {
namespace {

std::unique_ptr<QStyle> fusion() { return std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Fusion"))); }

// A tall tab pane and a titled frame, as Fusion draws them: long translucent
// lines and a border stretched from an image.
struct Control {
    const char *name;
    QSize size;
    EdgeBands edges;
    std::function<void(const QStyle &, QPainter &, const QRect &)> draw;
};

const Control kControls[] = {
    {"tab pane", {785, 521}, EdgeBands::InColumns,
     [](const QStyle &style, QPainter &painter, const QRect &rect) {
         QStyleOptionTabWidgetFrame pane;
         pane.rect = rect;
         pane.palette = style.standardPalette();
         pane.state = QStyle::State_Enabled;
         style.drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter);
     }},
    {"group box", {263, 307}, EdgeBands::Whole,
     [](const QStyle &style, QPainter &painter, const QRect &rect) {
         QStyleOptionGroupBox box;
         box.rect = rect;
         box.palette = style.standardPalette();
         box.fontMetrics = painter.fontMetrics();
         box.state = QStyle::State_Enabled;
         box.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
         box.text = QStringLiteral("Distances (mm)");
         style.drawComplexControl(QStyle::CC_GroupBox, &box, &painter);
     }},
};

// Painted as in the window: the clip leaves out the controls standing on it.
QImage paintedControl(const Control &control, qreal ratio, bool inBands)
{
    const std::unique_ptr<QStyle> style = fusion();
    QImage image((QSizeF(control.size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(240, 240, 240));
    QPainter painter(&image);
    const QRect area(QPoint(0, 0), control.size);
    painter.setClipRegion(QRegion(area) - QRegion(40, 60, 50, 20));
    if (inBands)
        paintInBands(painter, area, control.edges, [&] { control.draw(*style, painter, area); });
    else
        control.draw(*style, painter, area);
    return image;
}

int threadsOfThisProcess() { return static_cast<int>(QDir(QStringLiteral("/proc/self/task")).count()) - 2; }

TEST(BandedPaint, LeavesEveryPixelAsOneWholePaint)
{
    for (const Control &control : kControls) {
        for (const qreal ratio : {1.0, 2.0, 1.5}) {
            SCOPED_TRACE(testing::Message() << control.name << " at ratio " << ratio);
            const QImage whole = paintedControl(control, ratio, false);
            ASSERT_EQ(paintedControl(control, ratio, true), whole);
        }
    }
}

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// The point of the bands: Qt's raster engine starts no helper thread for them.
TEST(BandedPaint, TheWindowsFirstPaintStartsNoThread)
{
    const int before = threadsOfThisProcess();
    Form1 form(&fixedClock);
    form.show();
    QApplication::processEvents();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(threadsOfThisProcess(), before);
}

TEST(BandedPaint, StartsNoThreadWhereAWholePaintDoes)
{
    ASSERT_TRUE(drawsInsideClip(*fusion()));
    const int before = threadsOfThisProcess();
    ASSERT_GT(before, 0);
    for (const Control &control : kControls)
        paintedControl(control, 1.0, true);
    EXPECT_EQ(threadsOfThisProcess(), before);
    // Shown to reach the pool: the same paints whole start its threads.
    for (const Control &control : kControls)
        paintedControl(control, 1.0, false);
    EXPECT_GT(threadsOfThisProcess(), before);
}

} // namespace
} // namespace brelo
