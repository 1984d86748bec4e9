#include "ui/widgets/cached_controls.h"
#include "ui/widgets/cached_group_box.h"
#include "ui/widgets/cached_tab_widget.h"
#include "ui/widgets/spin_button.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>
#include <QCheckBox>
#include <QPushButton>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace brelo {
namespace {

// Counts the style's drawings of field panels, per field.
class CountingStyle : public QProxyStyle {
public:
    CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_PanelLineEdit && widget == watched)
            ++panels;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    const QWidget *watched = nullptr;
    mutable int panels = 0;
};

// One side of the window: a tab widget, a frame on its first page, and in the
// frame a field, a separator and a pair of arrows.
struct Side {
    QTabWidget *tabs;
    QGroupBox *frame;
    QLineEdit *field;
    QFrame *line;
    QToolButton *up;
    QToolButton *down;
    QPushButton *button;
    QCheckBox *box;
};

// The arrows as a spin button places them, with Qt's own buttons.
void placeArrows(QWidget *box, QToolButton *up, QToolButton *down)
{
    box->setGeometry(72, 26, 16, 22);
    for (QToolButton *arrow : {up, down}) {
        arrow->setParent(box);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRaise(false);
    }
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setGeometry(0, 0, 16, 11);
    down->setGeometry(0, 11, 16, 11);
}

Side build(QWidget *window, int left, bool cached)
{
    Side side{};
    side.tabs = cached ? new CachedTabWidget(window) : new QTabWidget(window);
    side.tabs->setGeometry(left, 5, 190, 140);
    auto *first = new QWidget;
    side.tabs->addTab(first, QStringLiteral("Calcul Optique"));
    side.tabs->addTab(new QWidget, QString::fromUtf8("Ephémérides"));
    const QString title = QString::fromUtf8("Valeurs en entrée");
    side.frame = cached ? new CachedGroupBox(title, first) : new QGroupBox(title, first);
    side.frame->setGeometry(5, 5, 175, 100);
    side.field = cached ? new CachedLineEdit(QStringLiteral("200"), side.frame)
                        : new QLineEdit(QStringLiteral("200"), side.frame);
    side.field->setGeometry(8, 26, 60, 22);
    side.line = cached ? new CachedSeparator(side.frame) : new QFrame(side.frame);
    side.line->setGeometry(8, 60, 150, 3);
    side.line->setFrameShape(QFrame::HLine);
    side.line->setFrameShadow(QFrame::Sunken);
    side.button = cached ? new CachedPushButton(QStringLiteral("&CALCUL"), side.frame)
                         : new QPushButton(QStringLiteral("&CALCUL"), side.frame);
    side.button->setGeometry(95, 70, 70, 24);
    const QString identical = QStringLiteral("O3 et O3' identiques");
    side.box = cached ? new CachedCheckBox(identical, side.frame) : new QCheckBox(identical, side.frame);
    side.box->setGeometry(8, 72, 85, 20);
    if (cached) {
        auto *spin = new SpinButton({0, 1000, 1}, 200, '.', side.frame);
        spin->setGeometry(72, 26, 16, 22);
        side.up = spin->upArrow();
        side.down = spin->downArrow();
    } else {
        side.up = new QToolButton;
        side.down = new QToolButton;
        placeArrows(new QWidget(side.frame), side.up, side.down);
    }
    return side;
}

class CachedLooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        style_ = new CountingStyle;
        saved_ = QApplication::style()->name();
        QApplication::setStyle(style_);
        window_ = std::make_unique<QWidget>();
        window_->setGeometry(0, 0, 400, 150);  // within the test screen, also at twice the scale
        cached_ = build(window_.get(), 5, true);
        plain_ = build(window_.get(), 205, false);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        settle();
    }
    void TearDown() override
    {
        window_.reset();
        QApplication::setStyle(saved_);
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    QImage shot(const Side &side)
    {
        settle();
        // What the screen holds; at another scale, where the test screen's grab
        // is cut to the window's logical size, the window drawn again (the
        // cached side from its pictures, made from the screen's paints).
        const qreal ratio = window_->devicePixelRatioF();
        const QImage screen = ratio == 1.0 ? window_->screen()->grabWindow(window_->winId()).toImage()
                                           : window_->grab().toImage();
        const QRect area = side.tabs->geometry();
        return screen.copy(QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio).toRect())
            .convertToFormat(QImage::Format_RGB32);
    }

    CountingStyle *style_ = nullptr;
    QString saved_;
    std::unique_ptr<QWidget> window_;
    Side cached_;
    Side plain_;
};

struct Step {
    const char *what;
    std::function<void(Side &)> change;
};

// After every change a user or the program can make, the cached controls show
// the pixels of Qt's own, changed alike (the cached side first, then the
// plain side, each shot just after its change: focus can only be on one side).
TEST_F(CachedLooks, EveryChangeShowsThePixelsOfQtsOwnControls)
{
    const Step steps[] = {
        {"shown", [](Side &) {}},
        {"painted again", [](Side &s) { s.tabs->update(); }},
        {"new text", [](Side &s) { s.field->setText(QStringLiteral("201,5")); }},
        {"text back", [](Side &s) { s.field->setText(QStringLiteral("200")); }},
        {"same length", [](Side &s) { s.field->setText(QStringLiteral("300")); }},
        {"focus", [](Side &s) { s.field->setFocus(); }},
        // Focus is on one side only: each step takes it first.
        {"typed", [](Side &s) {
             s.field->setFocus();
             QTest::keyClicks(s.field, QStringLiteral("7"));
         }},
        {"cursor moved", [](Side &s) {
             s.field->setFocus();
             s.field->setCursorPosition(1);
         }},
        {"selection", [](Side &s) {
             s.field->setFocus();
             s.field->selectAll();
         }},
        {"focus leaves", [](Side &s) {
             s.field->setFocus();
             s.field->clearFocus();
         }},
        {"larger font", [](Side &s) {
             QFont font = s.frame->font();
             font.setPointSizeF(font.pointSizeF() * 1.5);
             s.frame->setFont(font);
         }},
        {"arrow held down", [](Side &s) { s.up->setDown(true); }},
        {"arrow released", [](Side &s) { s.up->setDown(false); }},
        {"button held down", [](Side &s) { s.button->setDown(true); }},
        {"button released", [](Side &s) { s.button->setDown(false); }},
        {"button by default", [](Side &s) { s.button->setDefault(true); }},
        {"box checked", [](Side &s) { s.box->setChecked(true); }},
        {"box half checked", [](Side &s) {
             s.box->setTristate(true);
             s.box->setCheckState(Qt::PartiallyChecked);
         }},
        {"box renamed", [](Side &s) { s.box->setText(QStringLiteral("Identiques")); }},
        {"frame disabled", [](Side &s) { s.frame->setEnabled(false); }},
        {"frame enabled", [](Side &s) { s.frame->setEnabled(true); }},
        {"new title", [](Side &s) { s.frame->setTitle(QStringLiteral("Résultats")); }},
        {"field resized", [](Side &s) { s.field->resize(50, 26); }},
        {"frame moved", [](Side &s) { s.frame->move(14, 12); }},
        {"other tab", [](Side &s) { s.tabs->setCurrentIndex(1); }},
        {"first tab", [](Side &s) { s.tabs->setCurrentIndex(0); }},
        {"tab renamed", [](Side &s) { s.tabs->setTabText(1, QStringLiteral("Doc")); }},
        {"darker window", [](Side &s) {
             QPalette palette = s.tabs->palette();
             palette.setColor(QPalette::Window, QColor(200, 210, 220));
             palette.setColor(QPalette::Button, QColor(190, 200, 180));
             palette.setColor(QPalette::Base, QColor(250, 250, 230));
             s.tabs->setPalette(palette);
         }},
        {"field greyed", [](Side &s) {
             QPalette palette = s.field->palette();
             palette.setColor(QPalette::Text, QColor(128, 128, 128));
             s.field->setPalette(palette);
         }},
        {"other style", [](Side &s) {
             static QStyle *const windows = QStyleFactory::create(QStringLiteral("Windows"));
             s.field->setStyle(windows);
         }},
        {"tabs resized", [](Side &s) { s.tabs->resize(185, 135); }},
    };
    for (const Step &step : steps) {
        step.change(cached_);
        const QImage cached = shot(cached_);
        step.change(plain_);
        const QImage plain = shot(plain_);
        ASSERT_EQ(cached.size(), plain.size()) << step.what;
        EXPECT_TRUE(cached == plain) << step.what;
    }
}

// Once seen, a state is copied: the style is not asked to draw the field
// again, while Qt's own field is drawn at every paint.
TEST_F(CachedLooks, AStateSeenBeforeIsCopiedWithoutTheStyle)
{
    for (QWidget *field : {static_cast<QWidget *>(cached_.field), static_cast<QWidget *>(plain_.field)}) {
        style_->watched = field;
        field->update();
        settle();
        style_->panels = 0;
        field->update();
        settle();
        EXPECT_EQ(style_->panels, field == cached_.field ? 0 : 1);
    }
    style_->watched = cached_.field;
    style_->panels = 0;
    cached_.field->setText(QStringLiteral("12"));
    settle();
    EXPECT_EQ(style_->panels, 1);  // a new text is drawn once
}

// A rendering into an image of the program's own (at an offset, or through a
// painter that scales) shows the cached controls as Qt's own: their pictures
// land where the rendering puts them, or they paint themselves.
TEST_F(CachedLooks, ARenderingElsewhereShowsThePixelsOfQtsOwnControls)
{
    cached_.field->setFocusPolicy(Qt::NoFocus);  // no cursor on either side
    plain_.field->setFocusPolicy(Qt::NoFocus);
    window_->update();
    settle();  // the cached side's pictures are made
    const auto rendered = [](const Side &side, int how) {
        QImage image(QSize(230, 180) * 2, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        if (how == 0) {
            side.tabs->render(&image, QPoint(17, 9));
        } else {
            QPainter paint(&image);
            paint.scale(how, how);
            side.tabs->render(&paint, QPoint(5, 3));
        }
        return image;
    };
    for (int how : {0, 1, 2}) {
        const QImage plain = rendered(plain_, how);
        EXPECT_TRUE(rendered(cached_, how) == plain) << "rendering " << how;
        EXPECT_TRUE(rendered(cached_, how) == plain) << "rendering " << how << ", again";
    }
}

// A ground that paints a colour of its own choosing, with no event to the
// controls on it: a drawing under a spin arrow, or a shaded frame.
class Ground : public QWidget {
public:
    QColor colour{236, 236, 236};
    bool stripe = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter paint(this);
        paint.fillRect(rect(), colour);
        if (stripe)
            paint.fillRect(0, 14, width(), 3, Qt::yellow);
    }
};

// What the ground paints under a control is compared with what its picture
// was made over: a new colour or a line drawn under it is seen through.
TEST(CachedLooksOverAGround, WhatIsPaintedUnderAControlShowsThroughItsCorners)
{
    Ground ground;
    ground.setGeometry(0, 0, 200, 40);
    auto *cachedField = new CachedLineEdit(QStringLiteral("45"), &ground);
    auto *plainField = new QLineEdit(QStringLiteral("45"), &ground);
    cachedField->setGeometry(5, 5, 60, 22);
    plainField->setGeometry(105, 5, 60, 22);
    auto *cachedArrows = new SpinButton({0, 90, 1}, 45, '.', &ground);
    cachedArrows->setGeometry(70, 5, 16, 22);
    auto *plainArrows = new QWidget(&ground);
    placeArrows(plainArrows, new QToolButton, new QToolButton);
    plainArrows->move(170, 5);
    for (QWidget *field : {static_cast<QWidget *>(cachedField), static_cast<QWidget *>(plainField)})
        field->setFocusPolicy(Qt::NoFocus);  // the cursor on one side only
    ground.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ground));

    const auto halves = [&] {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        const QImage shot = ground.screen()->grabWindow(ground.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        return std::pair{shot.copy(0, 0, 100, 40), shot.copy(100, 0, 100, 40)};
    };
    const std::function<void()> changes[] = {
        [] {},
        [&] { ground.colour = QColor(128, 0, 0); },
        [&] { ground.stripe = true; },
        [&] { ground.colour = QColor(236, 236, 236); },
    };
    int step = 0;
    for (const auto &change : changes) {
        change();
        ground.update();
        const auto [cached, plain] = halves();
        EXPECT_TRUE(cached == plain) << "step " << step++;
    }
}

} // namespace
} // namespace brelo
