// The About page is built at its first showing, or earlier when its controls
// are asked for. However and at whatever zoom it comes to be built, it must end
// up as the page built with the window: same places, fonts, fits, pixels.

#include "ui/window/form1.h"
#include "ui/actions/window_zoom.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

constexpr int kAboutTab = 3;

QTabWidget *tabsOf(Form1 &form) { return form.findChild<QTabWidget *>(QStringLiteral("SSTab1")); }

// Every control of the page as the user gets it: place, font (with the
// condensing that fits it), text and wrapping; and the frame's pixels.
struct AboutLook {
    QStringList controls;
    QImage pixels;
};

AboutLook aboutLook(Form1 &form)
{
    QWidget *frame = form.control(QStringLiteral("Frame3"));
    AboutLook look;
    QList<QWidget *> widgets = frame->findChildren<QWidget *>();
    widgets.prepend(frame);
    for (const QWidget *widget : widgets) {
        const QRect g = widget->geometry();
        QString line = QStringLiteral("%1 %2,%3 %4x%5 %6 visible=%7")
                           .arg(widget->objectName())
                           .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                           .arg(widget->font().toString())
                           .arg(widget->isVisible());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            line += QStringLiteral(" wrap=%1 text=%2").arg(label->wordWrap()).arg(label->text());
        look.controls.append(line);
    }
    look.pixels = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return look;
}

// One way to the page: what happens to a shown window before the user turns to it.
struct Route {
    const char *name;
    std::function<void(Form1 &)> before;
    int finalZoom;  // percent, applied after the page is shown unless 0
};

void zoomTo(Form1 &form, int percent)
{
    WindowZoom *zoom = form.findChild<WindowZoom *>();
    if (!zoom)
        zoom = new WindowZoom(form);
    zoom->setPercent(percent);
}

AboutLook lookAfter(const Route &route)
{
    Form1 form(&fixedClock);
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    route.before(form);
    tabsOf(form)->setCurrentIndex(kAboutTab);
    if (route.finalZoom)
        zoomTo(form, route.finalZoom);
    QApplication::processEvents();
    return aboutLook(form);
}

TEST(AboutPage, NotBuiltUntilShownOrAskedFor)
{
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    zoomTo(form, 150);  // a zoomed window scales the page only once it is built
    QApplication::processEvents();
    EXPECT_EQ(form.findChild<QWidget *>(QStringLiteral("Frame3")), nullptr) << "built with the window";
    // A name that no page has does not pass for one of the About page's.
    EXPECT_EQ(form.control(QStringLiteral("NoSuchControl")), nullptr);
    ASSERT_NE(form.control(QStringLiteral("Label15")), nullptr);
    EXPECT_TRUE(form.controlNames().contains(QStringLiteral("Label33")));
}

TEST(AboutPage, SamePageWhicheverWayItIsBuilt)
{
    const auto nothing = [](Form1 &) {};
    const Route reference{"shown first", nothing, 0};
    const Route routes[] = {
        {"one control asked for", [](Form1 &form) { form.control(QStringLiteral("Label17")); }, 0},
        {"every control listed", [](Form1 &form) { form.controlNames(); }, 0},
        {"zoomed in and back", [](Form1 &form) { zoomTo(form, 150); zoomTo(form, 100); }, 0},
    };
    const AboutLook expected = lookAfter(reference);
    ASSERT_EQ(expected.controls.size(), 9);
    for (const Route &route : routes) {
        SCOPED_TRACE(route.name);
        const AboutLook look = lookAfter(route);
        EXPECT_EQ(look.controls, expected.controls);
        EXPECT_EQ(look.pixels, expected.pixels);
    }

    // Zoomed: the page built with the window and zoomed with it is the reference.
    const Route zoomedReference{"listed, then zoomed", [](Form1 &form) { form.controlNames(); }, 150};
    const Route zoomedRoutes[] = {
        {"zoomed before its first showing", [](Form1 &form) { zoomTo(form, 150); }, 0},
        {"zoomed, then listed", [](Form1 &form) { zoomTo(form, 150); form.controlNames(); }, 0},
        {"zoomed elsewhere, then shown at this zoom", [](Form1 &form) { zoomTo(form, 75); zoomTo(form, 150); }, 0},
        {"shown at design size, then zoomed", nothing, 150},
        {"zoom made, shown, then zoomed", [](Form1 &form) { zoomTo(form, 100); }, 150},
    };
    const AboutLook zoomed = lookAfter(zoomedReference);
    EXPECT_NE(zoomed.pixels.size(), expected.pixels.size());
    for (const Route &route : zoomedRoutes) {
        SCOPED_TRACE(route.name);
        const AboutLook look = lookAfter(route);
        EXPECT_EQ(look.controls, zoomed.controls);
        EXPECT_EQ(look.pixels, zoomed.pixels);
    }
}

} // namespace
} // namespace brelo
