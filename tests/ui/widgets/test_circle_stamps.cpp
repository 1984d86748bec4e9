#include "ui/widgets/circle_stamps.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace brelo {
namespace {

const QRgb kBackground = qRgb(128, 0, 0);

QImage blank(QSize size, qreal ratio)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kBackground);
    return image;
}

// The circle as QPainter paints it on the picture.
QImage painted(const CircleStamps::Circle &circle, QSize size, qreal ratio)
{
    QImage image = blank(size, ratio);
    QPainter paint(&image);
    paint.setPen(QPen(QColor(circle.outline), circle.penWidth));
    paint.setBrush(circle.fill ? QBrush(QColor(*circle.fill)) : QBrush(Qt::NoBrush));
    paint.drawEllipse(circle.centre, circle.radius, circle.radius);
    return image;
}

QImage stamped(CircleStamps &stamps, const CircleStamps::Circle &circle, QSize size, qreal ratio)
{
    QImage image = blank(size, ratio);
    const auto *runs = stamps.runs(circle, size, ratio);
    if (!runs)
        return {};
    for (const CircleStamps::Run &run : *runs)
        for (int x = run.left; x < run.right; ++x)
            image.setPixel(x, run.y, run.color);
    return image;
}

// The disc and its dots at their sizes, radii that fall between pixels,
// circles cut by the picture's edge, wide and cosmetic pens, on 1× and 2×
// pictures: the stamps give the painter's pixels, drawn anew or again.
TEST(CircleStamps, GiveThePaintersPixels)
{
    const QRgb yellow = qRgb(255, 255, 128);
    const QRgb black = qRgb(0, 0, 0);
    const struct {
        CircleStamps::Circle circle;
        qreal ratio;
    } cases[] = {
        {{{224.5, 224.5}, 204.09090909090909, black, yellow, 1}, 1.0},
        {{{224.5, 20.5}, 0.8163636363636364 * 1.0001, black, yellow, 1}, 1.0},
        {{{137.5, 310.5}, 3.0, qRgb(0, 0, 255), std::nullopt, 1}, 1.0},
        {{{10.5, 440.5}, 37.25, black, yellow, 3}, 1.0},
        {{{224.5, 224.5}, 204.09090909090909, black, yellow, 0}, 2.0},
        {{{100.5, 0.5}, 12.4, black, std::nullopt, 0}, 1.5},
    };
    const QSize logical(449, 449);
    CircleStamps stamps;
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto &c : cases) {
            const QSize size = (QSizeF(logical) * c.ratio).toSize();
            const QImage expected = painted(c.circle, size, c.ratio);
            ASSERT_NE(expected, blank(size, c.ratio)) << "radius " << c.circle.radius;
            EXPECT_EQ(stamped(stamps, c.circle, size, c.ratio), expected)
                << "radius " << c.circle.radius << ", ratio " << c.ratio << ", pass " << pass;
        }
    }
}

} // namespace
} // namespace brelo
