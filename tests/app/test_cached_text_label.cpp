#include "app/cached_text_label.h"

#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace brelo {
namespace {

// A frame that counts its paints; flat or shaded from left to right.
class Backdrop : public QWidget {
public:
    explicit Backdrop(bool flat) : flat_(flat) { resize(200, 60); }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        QPainter paint(this);
        for (int x = 0; x < width(); ++x)
            paint.fillRect(x, 0, 1, height(), flat_ ? QColor(236, 236, 236) : QColor(x % 256, 200, 200));
    }

private:
    bool flat_;
};

struct Window {
    Backdrop backdrop;
    CachedTextLabel *label;

    Window(bool flat, bool opaque) : backdrop(flat), label(new CachedTextLabel(QStringLiteral("B= 1"), &backdrop))
    {
        label->setGeometry(10, 10, 150, 20);
        if (opaque)
            label->paintFlatBackgroundItself();
        backdrop.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
        QCoreApplication::processEvents();
    }
    // Paints of the frame caused by a new text, once shown.
    int paintsForText(const QString &text)
    {
        const int before = backdrop.paints;
        label->setText(text);
        QCoreApplication::processEvents();
        return backdrop.paints - before;
    }
    QImage shot() { return backdrop.screen()->grabWindow(backdrop.winId()).toImage(); }
};

// Over a flat frame a new text repaints the label alone, with the pixels a
// transparent label gives; over a shaded one, or once the frame's palette or
// the label's place changed, the frame is painted under it again.
TEST(CachedTextLabel, OverAFlatFrameANewTextRepaintsTheLabelAlone)
{
    Window transparent(true, false);
    Window opaque(true, true);
    Window shaded(true, true);
    Window overShading(false, true);
    EXPECT_GT(transparent.paintsForText(QStringLiteral("B= 12,5")), 0);
    EXPECT_EQ(opaque.paintsForText(QStringLiteral("B= 12,5")), 0);
    EXPECT_EQ(opaque.shot(), transparent.shot());
    EXPECT_GT(overShading.paintsForText(QStringLiteral("B= 12,5")), 0);

    opaque.label->move(12, 10);
    QCoreApplication::processEvents();
    EXPECT_GT(opaque.paintsForText(QStringLiteral("B= 13")), 0);
    EXPECT_EQ(opaque.paintsForText(QStringLiteral("B= 14")), 0);  // learnt again at its new place

    QPalette palette = shaded.label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    shaded.paintsForText(QStringLiteral("B= 2"));
    shaded.label->setPalette(palette);
    EXPECT_GT(shaded.paintsForText(QStringLiteral("B= 3")), 0);
}

} // namespace
} // namespace brelo
