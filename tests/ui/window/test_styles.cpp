// The window under each style: after a session of clicks, with
// the mouse gone, the screen shows what a fresh paint of the same state shows
// (no pressed arrow, no raised button left behind); and under the style the
// program chooses, every text of every page is whole.

#include "scenario.h"
#include "ui/widgets/fitted_label.h"
#include "ui/window/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace brelo {
namespace {

constexpr int kAnimations = 250;  // milliseconds

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// The user's clicks of the session that showed stale looks, then the pages.
const char *const kSession[] = {"click Cmdcalc", "up UpDown1", "up UpDown6", "click Chkchem",
                                "tab 2",         "up UpDown18", "up UpDown14", "click Command2", "tab 3", "tab 0"};

// The style for one test, and the program's own back afterwards.
class StyleScope {
public:
    explicit StyleScope(const QString &name) : previous_(QApplication::style()->name())
    {
        QApplication::setStyle(QStyleFactory::create(name));
    }
    ~StyleScope() { QApplication::setStyle(QStyleFactory::create(previous_)); }

private:
    QString previous_;
};

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

class EveryStyle : public testing::TestWithParam<const char *> {};

TEST_P(EveryStyle, ScreenEqualsAFreshPaintAfterTheSession)
{
    const QString name = QString::fromLatin1(GetParam());
    if (!QStyleFactory::keys().contains(name, Qt::CaseInsensitive))
        GTEST_SKIP() << GetParam() << " is not installed";
    const StyleScope style(name);
    const int flash = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);  // a steady text cursor
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const char *command : kSession) {
        scenario::run(form, QString::fromLatin1(command));
        // The mouse leaves for an empty place of the window, as a user's would.
        QTest::mouseMove(&form, QPoint(form.width() - 5, form.height() - 5));
        // A style may animate a press or a hover: its animations end within this.
        QTest::qWait(kAnimations);
        const QImage screen = form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage fresh = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(differingPixels(screen.copy(fresh.rect()), fresh), 0) << command;
    }
    QApplication::setCursorFlashTime(flash);
}

// Adwaita is played as the desktop asks for it (QT_STYLE_OVERRIDE, the test
// styles_under_adwaita_desktop), where the program keeps its designed style:
// adwaita-qt6 1.4 itself leaves a plain QPushButton looking hovered after the
// mouse has left it.
INSTANTIATE_TEST_SUITE_P(Styles, EveryStyle, testing::Values("Fusion", "Windows"),
                         [](const testing::TestParamInfo<const char *> &info) { return std::string(info.param); });

// Under the designed style, whatever the desktop asks for: every one-line
// label, check box and button of every page shows its whole text.
TEST(DesignedStyle, EveryTextIsWhole)
{
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.runOptics();
    form.runEphemeris();
    int checked = 0;
    for (int page = 0; page < form.tabs().count(); ++page) {
        form.tabs().setCurrentIndex(page);
        QApplication::processEvents();
        for (const FittedLabel *label : form.tabs().widget(page)->findChildren<FittedLabel *>()) {
            if (label->wordWrap() || label->text().isEmpty() || !label->isVisible())
                continue;
            ++checked;
            EXPECT_LE(QFontMetricsF(label->fittedFont()).horizontalAdvance(label->text()), label->contentsRect().width())
                << label->objectName().toStdString();
        }
        for (QCheckBox *box : form.tabs().widget(page)->findChildren<QCheckBox *>()) {
            if (!box->isVisible())
                continue;
            ++checked;
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), room.width()) << box->objectName().toStdString();
        }
    }
    EXPECT_GE(checked, 40);
}

} // namespace
} // namespace brelo
