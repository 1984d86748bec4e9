// Zooming the window scales every control in place: positions, sizes and
// fonts follow the zoom, the texts and the drawings' contents stay.

#include "scenario.h"
#include "ui/pages/optics_page.h"
#include "ui/window/form1.h"
#include "ui/actions/window_zoom.h"
#include "ui/actions/period_dialog.h"
#include "ui/widgets/picture_area.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

TEST(WindowZoom, FittingStepIsTheLargestThatFits)
{
    struct Case {
        QSize design, available;
        int percent;
    };
    const Case cases[] = {
        {{809, 620}, {1600, 1000}, 150},
        {{809, 620}, {1920, 1040}, 150},
        {{809, 620}, {2560, 1400}, 200},
        {{809, 620}, {3840, 2100}, 300},
        {{809, 620}, {960, 500}, 75},   // 1920 × 1080 at 200 %, task bar and title taken
        {{809, 620}, {800, 600}, 75},
        {{809, 620}, {300, 200}, 75},   // nothing fits: the smallest step
        {{809, 620}, {809, 620}, 100},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fittingZoom(c.design, c.available), c.percent) << c.available.width() << "x" << c.available.height();
}

// Each named control keeps its place in its parent: geometry / zoom is the
// design geometry within a pixel (a check box may be wider, to show its
// text). A picture area's 2-pixel bevel keeps its width; a control that a
// layout places by its text's size is within 7 % of its parent's size (4
// pixels in the status bar), as text widths do not grow exactly with the font.
TEST(WindowZoom, EveryControlKeepsItsRelativePlace)
{
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.runOptics();
    std::map<QString, QRect> design;
    std::map<QString, QSize> parentDesign;
    for (const QString &name : scenario::controlNames(form)) {
        design[name] = scenario::control(form, name)->geometry();
        parentDesign[name] = scenario::control(form, name)->parentWidget()->size();
    }
    const QSize designClient = form.centralWidget()->size();

    WindowZoom *zoom = installWindowZoom(form, [&form] { form.redrawPictures(); }, 100);
    for (const int percent : zoomSteps()) {
        zoom->setPercent(percent);
        QApplication::processEvents();
        const double z = percent / 100.0;
        EXPECT_NEAR(form.centralWidget()->width() / z, designClient.width(), 1.0) << percent;
        EXPECT_NEAR(form.centralWidget()->height() / z, designClient.height(), 1.0) << percent;
        for (const auto &[name, rect] : design) {
            QWidget *widget = scenario::control(form, name);
            if (widget->isWindow())
                continue;
            const QRect now = widget->geometry();
            const bool laidOut = widget->parentWidget()->layout() != nullptr || qobject_cast<QStatusBar *>(widget->parentWidget());
            const auto *label = qobject_cast<QLabel *>(widget);
            if (laidOut && label && !label->pixmap().isNull())
                continue;  // an icon keeps its pixels; its layout gives it its own size
            const bool bevelled = qobject_cast<PictureArea *>(widget) || qobject_cast<PictureArea *>(widget->parentWidget());
            const double bevel = bevelled ? 2 * PictureArea::kBorderPx : 0.0;
            const double slackX = laidOut ? std::max(4.0, 0.07 * parentDesign[name].width()) : 1.0 + bevel;
            const double slackY = laidOut ? std::max(4.0, 0.07 * parentDesign[name].height()) : 1.0 + bevel;
            const std::string where = name.toStdString() + " at " + std::to_string(percent) + " %";
            EXPECT_NEAR(now.x() / z, rect.x(), slackX) << where;
            EXPECT_NEAR(now.y() / z, rect.y(), slackY) << where;
            // A check box widens in place to show its whole text beside the style's mark.
            const double width = qobject_cast<QCheckBox *>(widget)
                                     ? std::max(rect.width() * z, double(widget->sizeHint().width())) / z
                                     : rect.width();
            EXPECT_NEAR(now.width() / z, width, slackX) << where;
            EXPECT_NEAR(now.height() / z, rect.height(), slackY) << where;
        }
    }
}

// The pictures are drawn again at the new size from the latest runs, and the
// labels' texts and twip positions do not change.
TEST(WindowZoom, PicturesAreDrawnAgainAtTheirNewResolution)
{
    Form1 form(&fixedClock);
    form.runOptics();
    form.runEphemeris();
    auto *picture = qobject_cast<PictureArea *>(scenario::control(form, QStringLiteral("Picture1")));
    const QImage before = picture->image();
    const double leftBefore = form.opticsPage().leftTwips(scenario::control(form, QStringLiteral("Lblpicfoy")));
    const QString text = qobject_cast<QLabel *>(scenario::control(form, QStringLiteral("Lblb")))->text();

    WindowZoom *zoom = installWindowZoom(form, [&form] { form.redrawPictures(); }, 200);
    const QImage after = picture->image();
    EXPECT_EQ(after.size(), before.size() * 2);
    EXPECT_NE(after, before.scaled(before.size() * 2)) << "drawn, not enlarged";
    // Not blank: some pixel differs from the background.
    EXPECT_NE(after.convertToFormat(QImage::Format_RGB32), QImage(after.size(), QImage::Format_RGB32).convertToFormat(QImage::Format_RGB32));
    EXPECT_DOUBLE_EQ(form.opticsPage().leftTwips(scenario::control(form, QStringLiteral("Lblpicfoy"))), leftBefore);
    EXPECT_EQ(qobject_cast<QLabel *>(scenario::control(form, QStringLiteral("Lblb")))->text(), text);

    zoom->reset();
    EXPECT_EQ(picture->image(), before);
}

// The number boxes keep the window's font at every zoom.
TEST(WindowZoom, TextBoxesKeepTheWindowsFont)
{
    Form1 form(&fixedClock);
    WindowZoom *zoom = installWindowZoom(form, [&form] { form.redrawPictures(); }, 100);
    int boxes = 0;
    for (const int percent : {100, 150, 75, 100}) {
        zoom->setPercent(percent);
        const QFont expected = form.font();
        for (const QString &name : scenario::controlNames(form)) {
            const auto *box = qobject_cast<QLineEdit *>(scenario::control(form, name));
            if (box && name != QLatin1String("Txturl")) {
                EXPECT_EQ(box->font(), expected) << name.toStdString() << " at " << percent << " %";
                ++boxes;
            }
        }
    }
    EXPECT_GE(boxes, 4 * 18);
}

// Every text follows the zoom: each control's font is its design size times
// the zoom after every step, the message line, the instant lines and a bold
// remark set at another zoom included; the menus and the period dialog take
// the window's font, other dialogs the application's, scaled alike.
TEST(WindowZoom, EveryTextFollowsTheZoom)
{
    Form1 form(&fixedClock);
    form.show();
    form.runEphemeris();
    std::map<QString, double> design;
    std::vector<QMenu *> menus;
    for (const QString &name : scenario::controlNames(form)) {
        if (auto *menu = qobject_cast<QMenu *>(scenario::control(form, name)))
            menus.push_back(menu);  // windows of their own: they take the window's font
        else
            design[name] = scenario::control(form, name)->font().pointSizeF();
    }
    const double dialogs = QApplication::font().pointSizeF();
    WindowZoom *zoom = installWindowZoom(form, [&form] { form.redrawPictures(); }, 150);
    // A red bold remark, whose font is set at 150 %.
    qobject_cast<QLineEdit *>(scenario::control(form, QStringLiteral("Txtfoco1")))->setText(QStringLiteral("-1000"));
    form.runOptics();
    ASSERT_TRUE(scenario::control(form, QStringLiteral("Lblrem"))->font().bold());
    for (const int percent : zoomSteps()) {
        zoom->setPercent(percent);
        const double z = percent / 100.0;
        for (const auto &[name, points] : design)
            EXPECT_NEAR(scenario::control(form, name)->font().pointSizeF(), points * z, 0.01)
                << name.toStdString() << " at " << percent << " %";
        for (const QMenu *menu : menus)
            EXPECT_EQ(menu->font(), form.font()) << menu->objectName().toStdString() << " at " << percent << " %";
        EXPECT_EQ(PeriodDialog({}, '.', QTimeZone::utc(), &form).font(), form.font()) << percent;
        EXPECT_NEAR(QApplication::font().pointSizeF(), dialogs * z, 0.01) << "message boxes at " << percent;
    }
    delete zoom;
    EXPECT_NEAR(QApplication::font().pointSizeF(), dialogs, 0.01) << "given back";
}

// On the offscreen platform's 800 × 600 screen only 75 % fits: a remembered
// 300 % starts there, the window fits the screen, and larger steps are refused.
TEST(WindowZoom, WindowNeverOutgrowsTheScreen)
{
    QSettings().setValue(QStringLiteral("fenetre/zoom"), 300);
    Form1 form(&fixedClock);
    const QSize available = form.screen()->availableGeometry().size();
    const int start = startingZoom(form);
    QSettings().remove(QStringLiteral("fenetre/zoom"));
    WindowZoom *zoom = installWindowZoom(form, [&form] { form.redrawPictures(); }, start);
    EXPECT_LE(start, zoom->largestFitting());
    zoom->zoomIn();
    form.adjustSize();
    EXPECT_EQ(zoom->percent(), start) << "refused";
    EXPECT_LE(form.width(), available.width());
    EXPECT_LE(form.height(), available.height());
}

// brelo FILE: the window starts with that file's values instead of ./brelo.dat's.
TEST(CommandLine, ParametersFileGivenAtStartUp)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("mon instrument.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1200,80,250,40,35,320,45,320,45,48,30,-2,15\n");
    file.close();
    Form1 form(&fixedClock, nullptr, file.fileName());
    EXPECT_EQ(form.parameterTexts()[0], "1200");
    EXPECT_EQ(form.parameterTexts()[11], "-2");
    EXPECT_EQ(form.startupMessage(), QString());
    EXPECT_EQ(form.parametersFile(), file.fileName());
}

} // namespace
} // namespace brelo
