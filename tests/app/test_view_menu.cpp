#include "app/form1.h"

#include <QAction>
#include <QMenuBar>
#include <QSettings>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

const char *const kCompassLabels[] = {"Label31", "Label30", "Label28", "Label29"};

// The choice is read at start-up, written when it changes, and shared by the
// menu and the disc's context menu; the compass labels stand only on the disc
// that is not turned.
TEST(ViewMenu, DiscOrientationIsRememberedAndHidesTheCompassLabels)
{
    for (const bool stored : {false, true}) {
        QSettings().setValue(QStringLiteral("disc/zenithUp"), stored);
        Form1 form(&fixedClock);
        auto *action = form.findChild<QAction *>(QStringLiteral("menuzenith"));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isChecked(), stored);
        EXPECT_EQ(form.discZenithUp(), stored);
        for (const char *name : kCompassLabels)
            EXPECT_EQ(form.control(QString::fromLatin1(name))->isHidden(), stored) << name;
        EXPECT_TRUE(form.control(QStringLiteral("Picture3"))->actions().contains(action));

        action->trigger();
        EXPECT_EQ(form.discZenithUp(), !stored);
        EXPECT_EQ(QSettings().value(QStringLiteral("disc/zenithUp")).toBool(), !stored);
        for (const char *name : kCompassLabels)
            EXPECT_EQ(form.control(QString::fromLatin1(name))->isHidden(), !stored) << name;
    }
    QSettings().remove(QStringLiteral("disc/zenithUp"));
}

TEST(ViewMenu, StandsBeforeQuitter)
{
    Form1 form(&fixedClock);
    QStringList titles;
    for (const QAction *menu : form.menuBar()->actions())
        titles << menu->text();
    const qsizetype view = titles.indexOf(QStringLiteral("Affichage"));
    ASSERT_GE(view, 0) << titles.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(titles.indexOf(QStringLiteral("Quitter")), view + 1);
}

} // namespace
} // namespace brelo
