#include "ui/pages/ephemeris_page.h"
#include "ui/pages/optics_page.h"
#include "ui/window/form1.h"
#include "ui/widgets/picture_area.h"
#include "scenario.h"
#include "support/event_count.h"

#include <QApplication>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// A desktop with a dark theme: light text on dark grey everywhere.
class DarkDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(45, 45, 45)));
    }
    void TearDown() override { QApplication::setPalette(saved_); }

private:
    QPalette saved_;
};

int lightness(const QColor &color) { return color.toHsl().lightness(); }

struct Shown {
    const char *name;
    QPalette::ColorRole text;
    QPalette::ColorRole background;
};

TEST_F(DarkDesktop, WindowKeepsItsDesignedLightColours)
{
    ASSERT_LT(lightness(QApplication::palette().color(QPalette::Window)), 80);
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // Dark text on a light ground, on both pages, in the fields and on the status line.
    const Shown shown[] = {
        {"Label3", QPalette::WindowText, QPalette::Window},   {"Lblb", QPalette::WindowText, QPalette::Window},
        {"Txtfoco1", QPalette::Text, QPalette::Base},         {"Listdiam", QPalette::Text, QPalette::Base},
        {"Chko3", QPalette::WindowText, QPalette::Window},    {"lblad", QPalette::WindowText, QPalette::Window},
        {"txtann", QPalette::Text, QPalette::Base},           {"lbltu", QPalette::WindowText, QPalette::Window},
        {"Label1", QPalette::WindowText, QPalette::Window},   {"Chkchem", QPalette::WindowText, QPalette::Window},
        {"Cmdcalc", QPalette::ButtonText, QPalette::Button},
    };
    for (const Shown &s : shown) {
        const QPalette palette = scenario::control(form, QString::fromLatin1(s.name))->palette();
        EXPECT_LT(lightness(palette.color(s.text)), 60) << s.name;
        EXPECT_GT(lightness(palette.color(s.background)), 180) << s.name;
    }

    // The designed colours, as the dump reports them.
    const QJsonObject controls = scenario::dump(form).value(QLatin1String("controls")).toObject();
    const auto colour = [&](const char *name) {
        return controls.value(QLatin1String(name)).toObject().value(QLatin1String("color")).toString().toStdString();
    };
    EXPECT_EQ(colour("Lblrem"), "#0000c0");
    EXPECT_EQ(colour("Lblb"), "#000000");
    EXPECT_EQ(colour("lblerreur"), "#ff0000");
    EXPECT_EQ(colour("Label1"), "#000000");
    EXPECT_FALSE(form.windowIcon().pixmap(32, 32).isNull());
}

// The compass letters and the drawing's labels stand inside their pictures,
// and the "100mm" label lets its scale bar show through.
TEST(Form1Looks, PictureLabelsStayInsideAndLeaveTheScaleBarVisible)
{
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const char *name : {"Picture1", "Picture3"}) {
        QWidget *picture = scenario::control(form, QString::fromLatin1(name));
        for (const QLabel *label : picture->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(picture->rect().contains(label->geometry())) << label->objectName().toStdString();
    }

    form.runOptics();
    auto *picture = static_cast<PictureArea *>(scenario::control(form, QStringLiteral("Picture1")));
    const QImage drawn = picture->image().convertToFormat(QImage::Format_RGB32);
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb pink = drawn.pixel(drawn.width() - 1, drawn.height() / 2);
    const QRect bar = scenario::control(form, QStringLiteral("Label2"))->geometry();
    int barPixels = 0;
    for (int y = bar.top(); y <= bar.bottom(); ++y)
        for (int x = bar.left(); x <= bar.right(); ++x) {
            const QPoint inner(x - PictureArea::kBorderPx, y - PictureArea::kBorderPx);
            if (!drawn.valid(inner) || drawn.pixel(inner) == pink)
                continue;
            ++barPixels;
            EXPECT_NE(shown.pixel(x, y), pink) << "scale bar hidden at " << x << "," << y;
        }
    EXPECT_GT(barPixels, 10);  // the bar runs under the label
}

// The veil over a stale picture covers it whole, whatever size the picture takes.
TEST(Form1Looks, StalePictureIsVeiledWhole)
{
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.runOptics();
    static_cast<QLineEdit *>(scenario::control(form, QStringLiteral("Txtfoco2")))->setText(QStringLiteral("x"));
    form.runOptics();
    ASSERT_TRUE(form.opticsPage().resultsStale());
    QWidget *picture = scenario::control(form, QStringLiteral("Picture1"));
    const QSize zoomed = picture->size() * 3 / 2;
    picture->setFixedSize(zoomed);  // as a zoom does
    ASSERT_EQ(picture->size(), zoomed);
    const QWidget *veil = picture->findChild<QWidget *>(QStringLiteral("veil"));
    ASSERT_NE(veil, nullptr);
    EXPECT_TRUE(veil->isVisible());
    EXPECT_EQ(veil->geometry(), picture->rect());
}

// A new result changes a label's text, not its size: the frame holding the
// labels gets no layout pass to run at each computation.
TEST(Form1Looks, NewResultsPostNoLayoutPassToTheirFrames)
{
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const struct {
        int tab;
        const char *label, *field, *typed;
        void (Form1::*run)();
    } pages[] = {
        {0, "Lblb", "Txtfoco2", "61", &Form1::runOptics},
    };
    for (const auto &page : pages) {
        SCOPED_TRACE(page.label);
        qobject_cast<QTabWidget *>(scenario::control(form, QStringLiteral("SSTab1")))->setCurrentIndex(page.tab);
        auto *label = qobject_cast<QLabel *>(scenario::control(form, QString::fromLatin1(page.label)));
        ASSERT_NE(label, nullptr);
        (form.*page.run)();
        QApplication::processEvents();
        const QString before = label->text();
        test::EventCount passes(QEvent::LayoutRequest);
        label->parentWidget()->installEventFilter(&passes);
        auto *field = qobject_cast<QLineEdit *>(scenario::control(form, QString::fromLatin1(page.field)));
        field->setText(QString::fromLatin1(page.typed));
        (form.*page.run)();
        QApplication::processEvents();
        EXPECT_NE(label->text(), before);
        EXPECT_EQ(passes.count, 0);
    }
}

} // namespace
} // namespace brelo
