#include "scenario.h"
#include "ui/actions/drawing_export.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/window/form1.h"
#include "core/drawing/disc_drawing.h"
#include "core/drawing/recording_canvas.h"
#include "core/drawing/zenith_up_disc.h"

#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>

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
            EXPECT_EQ(scenario::control(form, QString::fromLatin1(name))->isHidden(), stored) << name;
        EXPECT_TRUE(scenario::control(form, QStringLiteral("Picture3"))->actions().contains(action));

        action->trigger();
        EXPECT_EQ(form.discZenithUp(), !stored);
        EXPECT_EQ(QSettings().value(QStringLiteral("disc/zenithUp")).toBool(), !stored);
        for (const char *name : kCompassLabels)
            EXPECT_EQ(scenario::control(form, QString::fromLatin1(name))->isHidden(), !stored) << name;
    }
    QSettings().remove(QStringLiteral("disc/zenithUp"));
}

TEST(ViewMenu, StandsBetweenFichierAndQuitter)
{
    Form1 form(&fixedClock);
    QStringList titles;
    for (const QAction *menu : form.menuBar()->actions())
        titles << menu->text();
    const qsizetype view = titles.indexOf(QStringLiteral("Affichage"));
    ASSERT_GE(view, 0) << titles.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(titles.indexOf(QStringLiteral("&Fichier")), view - 1);
    EXPECT_EQ(titles.indexOf(QStringLiteral("Quitter")), view + 1);
}

// An exported disc is the one on the screen: turned, with its marks, while the choice is on.
TEST(ViewMenu, ExportedDiscFollowsTheChoice)
{
    Form1 form(&fixedClock);
    qobject_cast<QTabWidget *>(scenario::control(form, QStringLiteral("SSTab1")))->setCurrentIndex(2);
    ASSERT_TRUE(form.lastEphemeris());
    const float q = static_cast<float>(form.lastEphemeris()->result.values.northZenithDeg);
    for (const bool zenithUp : {true, false}) {
        form.setDiscZenithUp(zenithUp);
        const std::optional<PageDrawing> drawing = pageDrawing(form, nullptr);
        ASSERT_TRUE(drawing);
        RecordingCanvas exported(kDiscInnerTwips, kDiscInnerTwips);
        drawing->draw(exported);
        RecordingCanvas shown(kDiscInnerTwips, kDiscInnerTwips);
        setDiscUserScale(shown);
        if (zenithUp)
            dessinephemZenithUp(shown, form.ephemerisPage().anglep(), form.ephemerisPage().latb0(), q);
        else
            dessinephem(shown, form.ephemerisPage().anglep(), form.ephemerisPage().latb0());
        ASSERT_EQ(exported.ops().size(), shown.ops().size()) << "zenith up " << zenithUp;
        for (std::size_t i = 0; i < shown.ops().size(); ++i)
            ASSERT_EQ(exported.ops()[i].args, shown.ops()[i].args) << "operation " << i;
        EXPECT_EQ(drawing->labels.empty(), zenithUp) << "the N, E, S and W labels go with the unturned disc only";
    }
}

} // namespace
} // namespace brelo
