// On a screen at twice the density, the picture areas draw on the device's own
// pixels: hairlines and dots are one device pixel, not a 2 × 2 block.

#include "ui/widgets/picture_area.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <set>

namespace brelo {
namespace {

// Before the shared main creates the QApplication: a screen at 200 %.
const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

const CanvasColor kBlack = CanvasColor::of(0, 0, 0);

struct Ink {
    std::set<int> rows, columns;
    int pixels = 0;
};

Ink inkOf(const QImage &image, QColor background)
{
    Ink ink;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixelColor(x, y) != background) {
                ink.rows.insert(y);
                ink.columns.insert(x);
                ++ink.pixels;
            }
    return ink;
}

TEST(HiDpiDrawing, HairlinesAndDotsAreOneDevicePixel)
{
    ASSERT_TRUE(kScaled);
    const QColor background(255, 255, 255);
    PictureArea area(background, QSizeF(1500, 1500));  // 100 × 100 logical pixels
    ASSERT_DOUBLE_EQ(area.image().devicePixelRatio(), 2.0);
    EXPECT_EQ(area.image().size(), QSize(200, 200));

    struct Case {
        const char *what;
        int penWidth;
        bool dot;
        std::size_t rows;
        std::size_t columns;  // 80 logical pixels, the last one left out, plus a wide pen's overhang
    };
    const Case cases[] = {
        {"hairline", 1, false, 1, 160},
        {"2-pixel pen keeps its width on the screen", 2, false, 4, 163},
        {"dot", 1, true, 1, 1},
    };
    for (const Case &c : cases) {
        area.clear();
        area.setPenWidth(c.penWidth);
        if (c.dot)
            area.pixel(750, 750, kBlack);
        else
            area.segment(150, 750, 1350, 750, kBlack);
        const Ink ink = inkOf(area.image(), background);
        EXPECT_EQ(ink.rows.size(), c.rows) << c.what;
        EXPECT_EQ(ink.columns.size(), c.columns) << c.what;
    }
}

TEST(HiDpiDrawing, DashesKeepTheirLengthOnTheScreen)
{
    const QColor background(255, 255, 255);
    PictureArea area(background, QSizeF(1500, 1500));
    area.setPenWidth(1);
    area.setLineStyle(LineStyle::Dashed);
    area.segment(0, 750, 1500, 750, kBlack);
    const Ink ink = inkOf(area.image(), background);
    // 18 logical pixels on, 6 off: 36 and 12 device pixels; the first dash starts at 0.
    for (int x = 0; x < 36; ++x)
        EXPECT_TRUE(ink.columns.count(x)) << x;
    for (int x = 36; x < 48; ++x)
        EXPECT_FALSE(ink.columns.count(x)) << x;
    EXPECT_TRUE(ink.columns.count(48));
}

} // namespace
} // namespace brelo
