// The About page whatever the fonts and the zoom: every text whole in its box,
// and a zoom there and back gives the page it left.

#include "scenario.h"
#include "ui/actions/window_zoom.h"
#include "ui/widgets/fitted_label.h"
#include "ui/window/form1.h"

#include <QFontMetricsF>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

QImage frameShown(Form1 &form)
{
    QApplication::processEvents();
    return scenario::control(form, QStringLiteral("Frame3"))->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(AboutPage, EveryOneLineTextFitsItsBoxAtEveryZoom)
{
    Form1 form(&fixedClock);
    WindowZoom zoom(form, [] {});
    form.tabs().setCurrentIndex(3);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (int percent : zoomSteps()) {
        zoom.setPercent(percent);
        QApplication::processEvents();
        int checked = 0;
        for (const auto *label : scenario::control(form, QStringLiteral("Frame3"))->findChildren<FittedLabel *>()) {
            if (label->wordWrap() || label->text().isEmpty())
                continue;
            ++checked;
            EXPECT_LE(QFontMetricsF(label->fittedFont()).horizontalAdvance(label->text()), label->contentsRect().width())
                << label->objectName().toStdString() << " at " << percent << " %";
        }
        EXPECT_GE(checked, 4);  // the title and the three one-line texts
    }
}

TEST(AboutPage, AZoomThereAndBackGivesThePageItLeft)
{
    Form1 form(&fixedClock);
    WindowZoom zoom(form, [] {});
    form.tabs().setCurrentIndex(3);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage before = frameShown(form);
    zoom.setPercent(150);
    EXPECT_NE(frameShown(form).size(), before.size());
    zoom.setPercent(75);
    zoom.setPercent(100);
    EXPECT_EQ(frameShown(form), before);
}

} // namespace
} // namespace brelo
