// The Construction page: the camera's texts kept from one session to the
// next, and its longest texts whole and at their size at every zoom.

#include "scenario.h"
#include "ui/actions/window_zoom.h"
#include "ui/widgets/fitted_label.h"
#include "ui/window/form1.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

constexpr int kConstructionTab = 4;

// The window in the C locale, shown, for the scenario's commands.
struct ShownWindow {
    QLocale locale = QLocale();
    std::unique_ptr<Form1> form;
    ShownWindow()
    {
        QLocale::setDefault(QLocale::c());
        form = std::make_unique<Form1>(&fixedClock);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    ~ShownWindow()
    {
        form.reset();
        QLocale::setDefault(locale);
    }
    QString text(const char *name) const
    {
        QWidget *widget = scenario::control(*form, QString::fromLatin1(name));
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            return box->text();
        return qobject_cast<QLabel *>(widget)->text();
    }
};

TEST(ConstructionPage, CameraTextsAreKeptBetweenSessions)
{
    const char *const keys[] = {"camera/pixel", "camera/sensorWidth", "camera/sensorHeight"};
    for (const char *key : keys)
        QSettings().remove(QLatin1String(key));
    {
        ShownWindow window;
        for (const char *command : {"tab 4", "type Txtpixel 2.4", "type Txtlargeur 1920", "type Txthauteur abc"})
            scenario::run(*window.form, QString::fromLatin1(command));
    }
    ShownWindow window;
    EXPECT_EQ(window.text("Txtpixel"), QStringLiteral("2.4"));
    EXPECT_EQ(window.text("Txtlargeur"), QStringLiteral("1920"));
    EXPECT_EQ(window.text("Txthauteur"), QStringLiteral("abc")) << "kept as typed";
    for (const char *command : {"tab 4", "type Txthauteur 1080"})
        scenario::run(*window.form, QString::fromLatin1(command));
    window.form->runOptics();
    // 206265 / 1176.47 mm / 1000 × 2.4 µm = 0.42078 ″ per pixel, cut to the thousandth.
    EXPECT_EQ(window.text("Lblechelle"), QString::fromUtf8("Échelle de l'image = 0.42 ″/pixel"));
    EXPECT_EQ(window.form->lastOptics()->camera.sensorHeight, "1080");
    for (const char *key : keys)
        QSettings().remove(QLatin1String(key));
}

// With O3 and O3' of 20 mm and the small sensor of the first start, the page
// holds its longest sentences: each stays whole in its box, inside the page,
// condensed at most, never set smaller.
TEST(ConstructionPage, LongestTextsFitWholeAtEveryZoom)
{
    ShownWindow window;
    WindowZoom zoom(*window.form, [] {});
    for (const char *command : {"type Txtdo3a 20", "tab 4"})
        scenario::run(*window.form, QString::fromLatin1(command));
    ASSERT_TRUE(window.text("Lblchampo3b").contains(QStringLiteral("coupe même le centre")));
    ASSERT_FALSE(window.text("Lblcapteur").isEmpty());
    const QWidget *page = window.form->tabs().widget(kConstructionTab);
    for (int percent : zoomSteps()) {
        zoom.setPercent(percent);
        QApplication::processEvents();
        for (const auto *label : page->findChildren<FittedLabel *>()) {
            const std::string name = label->objectName().toStdString();
            const QFont fitted = label->fittedFont();
            EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(label->text()), label->contentsRect().width())
                << name << " at " << percent << " %";
            EXPECT_EQ(fitted.pointSizeF(), label->font().pointSizeF()) << name << " at " << percent << " %";
            EXPECT_TRUE(page->rect().contains(QRect(label->mapTo(page, QPoint(0, 0)), label->size())))
                << name << " at " << percent << " %";
        }
    }
}

} // namespace
} // namespace brelo
