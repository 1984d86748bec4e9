// The heliographic position under the mouse on the ephemeris page's disc.
#include "scenario.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/widgets/disc_position_tracker.h"
#include "ui/widgets/picture_area.h"
#include "ui/window/form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

void moveTo(QWidget &widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// "B = -7.3° · L(MC) = 0.0° · L(Carrington) = 171.4°" as its three numbers.
std::vector<double> numbersOf(const QString &text)
{
    std::vector<double> numbers;
    const QRegularExpression number(QStringLiteral("-?[0-9]+[.,][0-9]"));
    for (auto it = number.globalMatch(text); it.hasNext();)
        numbers.push_back(it.next().captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble());
    return numbers;
}

double labelValue(const Form1 &form, const char *name)  // "Latitude héliocentrique BO = -7.25°"
{
    const QString text = qobject_cast<QLabel *>(scenario::control(form, QString::fromLatin1(name)))->text();
    return numbersOf(text.mid(text.indexOf(QLatin1String(" = ")))).at(0);
}

// The disc's centre is the point of latitude B0 on the central meridian, of
// Carrington longitude L0 (what B0 and L0 are): within a pixel of the disc,
// 0.3° there. Off the disc the line says so; leaving the picture clears it.
TEST(DiscPosition, CentreReadsB0AndL0OffTheDiscSaysSo)
{
    Form1 form(&fixedClock);
    form.show();
    scenario::run(form, QStringLiteral("tab 2"));
    PictureArea &picture = form.ephemerisPage().discPicture();
    moveTo(picture, picture.rect().center());
    const std::vector<double> centre = numbersOf(form.statusBar()->currentMessage());
    ASSERT_EQ(centre.size(), 3u) << form.statusBar()->currentMessage().toStdString();
    EXPECT_NEAR(centre[0], labelValue(form, "lblb0"), 0.3);
    EXPECT_NEAR(centre[1], 0.0, 0.3);
    EXPECT_NEAR(centre[2], labelValue(form, "lbll0"), 0.3);

    moveTo(picture, QPoint(8, 8));
    EXPECT_EQ(form.statusBar()->currentMessage(), QString::fromUtf8("hors du disque"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&picture, &leave);
    EXPECT_EQ(form.statusBar()->currentMessage(), QString());
}

// A right-click opens the picture's menu, which keeps the zenith-up choice and
// copies the position clicked; off the disc there is nothing to copy.
TEST(DiscPosition, RightClickMenuCopiesThePosition)
{
    Form1 form(&fixedClock);
    form.show();
    scenario::run(form, QStringLiteral("tab 2"));
    PictureArea &picture = form.ephemerisPage().discPicture();
    QStringList items;
    bool copyEnabled = false;
    const auto rightClick = [&](QPoint at) {
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            items.clear();
            for (QAction *action : menu->actions())
                items << action->objectName();
            QAction *copy = form.findChild<QAction *>(QStringLiteral("menucopierposition"));
            copyEnabled = copy->isEnabled();
            if (copyEnabled)
                copy->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, picture.mapToGlobal(at));
        QApplication::sendEvent(&picture, &event);
    };
    QApplication::clipboard()->clear();
    rightClick(picture.rect().center());
    EXPECT_TRUE(items.contains(QStringLiteral("menuzenith"))) << items.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(copyEnabled);
    EXPECT_EQ(numbersOf(QApplication::clipboard()->text()).size(), 3u) << QApplication::clipboard()->text().toStdString();
    rightClick(QPoint(8, 8));
    EXPECT_FALSE(copyEnabled);
}

} // namespace
} // namespace brelo
