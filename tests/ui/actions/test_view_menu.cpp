#include "scenario.h"
#include "ui/actions/drawing_export.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/window/form1.h"
#include "core/drawing/disc_drawing.h"
#include "core/drawing/layout_drawing.h"
#include "core/drawing/paraxial_rays.h"
#include "core/drawing/recording_canvas.h"
#include "core/drawing/zenith_up_disc.h"
#include "ui/widgets/picture_area.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>

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

// The segments, circles and dots of the optics page's exported drawing.
std::vector<RecordedOp> exportedLayout(const Form1 &form)
{
    const std::optional<PageDrawing> drawing = pageDrawing(form, nullptr);
    RecordingCanvas canvas(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips);
    if (drawing)
        drawing->draw(canvas);
    return canvas.drawn();
}

std::vector<RecordedOp> layoutOf(const OpticsRun &run, bool schematicRays, bool tracedRays, char separator)
{
    RecordingCanvas canvas(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips);
    dessin(canvas, run.layout, run.result.state, run.scaleSetting, schematicRays, separator);
    if (tracedRays)
        drawParaxialRays(canvas, run.builder->trace, fieldEdgeAngle(*run.builder), run.scaleSetting);
    return canvas.drawn();
}

void expectSameDrawing(const std::vector<RecordedOp> &got, const std::vector<RecordedOp> &wanted, const char *what)
{
    ASSERT_EQ(got.size(), wanted.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].args, wanted[i].args) << what << ", operation " << i;
        EXPECT_EQ(got[i].color, wanted[i].color) << what << ", operation " << i;
    }
}

// The traced rays take the place of the schematic ones, on the screen at once
// and in the exports, while the optical paths are drawn at all; the choice,
// off at first, is remembered.
TEST(ViewMenu, ParaxialRaysReplaceTheSchematicOnesAndAreRemembered)
{
    const QString key = QStringLiteral("layout/paraxialRays");
    QSettings().remove(key);
    {
        Form1 form(&fixedClock);
        auto *action = form.findChild<QAction *>(QStringLiteral("menuparaxial"));
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->isChecked());
        form.runOptics();
        const auto *picture = qobject_cast<PictureArea *>(scenario::control(form, QStringLiteral("Picture1")));
        const QImage schematic = picture->image();
        const char separator = form.decimalSeparator();

        action->trigger();
        EXPECT_NE(picture->image(), schematic);
        EXPECT_TRUE(QSettings().value(key).toBool());
        const OpticsRun &run = *form.lastOptics();
        ASSERT_TRUE(run.builder);
        const std::vector<RecordedOp> traced = exportedLayout(form);
        expectSameDrawing(traced, layoutOf(run, false, true, separator), "traced rays");
        const auto chief = [](const RecordedOp &op) { return op.color == CanvasColor::of(0, 255, 255); };
        EXPECT_TRUE(std::any_of(traced.begin(), traced.end(), chief)) << "the chief ray of the field's edge";

        qobject_cast<QAbstractButton *>(scenario::control(form, QStringLiteral("Chkchem")))->click();
        expectSameDrawing(exportedLayout(form), layoutOf(*form.lastOptics(), false, false, separator), "no paths");
    }
    Form1 again(&fixedClock);
    EXPECT_TRUE(again.findChild<QAction *>(QStringLiteral("menuparaxial"))->isChecked());
    QSettings().remove(key);
}

} // namespace
} // namespace brelo
