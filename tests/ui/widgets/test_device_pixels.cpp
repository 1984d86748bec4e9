#include "ui/widgets/device_pixels.h"

#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace brelo {
namespace {

constexpr QRgb kBackground = 0xffece9d8;
constexpr QRgb kScribble = 0xff123456;
const QRect kWidget(10, 5, 40, 12);  // in the backing store's device pixels

// The widget's pixels under a paint whose system clip is `exposed`.
template <class Use>
void underPaint(QImage &store, const QRegion &exposed, Use use)
{
    QPainter paint(&store);
    paint.paintEngine()->setSystemClip(exposed);
    paint.translate(kWidget.topLeft());
    const std::optional<DevicePixels> pixels = DevicePixels::under(paint, QRect(QPoint(0, 0), kWidget.size()));
    ASSERT_TRUE(pixels.has_value());
    use(*pixels);
}

// A paste puts back the very pixels the copy took, over the part the paint
// may change and nowhere else, where the copy ends in one colour or not.
TEST(DevicePixels, APastePutsBackWhatTheCopyTook)
{
    const struct {
        const char *what;
        std::function<void(QImage &)> ink;
        int inkedColumns;
    } copies[] = {
        {"a line of text then background",
         [](QImage &s) {
             for (int x = 12; x < 27; x += 2)
                 s.setPixel(x, 8 + x % 5, 0xff000000 + x);
         },
         17},
        {"ink in the last column", [](QImage &s) { s.setPixel(49, 16, 0xff000000); }, 40},
        {"one colour", [](QImage &) {}, 0},
        {"a tail that differs in one row",
         [](QImage &s) {
             s.setPixel(14, 6, 0xffff0000);
             s.setPixel(44, 15, 0xfffefefe);
         },
         35},
    };
    const QRegion exposures[] = {
        QRegion(kWidget),
        QRegion(20, 5, 20, 12),                            // across the ink's end
        QRegion(40, 8, 10, 4),                             // right of the ink only
        QRegion(10, 5, 5, 12) + QRegion(30, 9, 20, 3),     // two parts
    };
    for (const auto &copy : copies) {
        QImage store(64, 24, QImage::Format_ARGB32_Premultiplied);
        store.fill(kBackground);
        copy.ink(store);
        const QImage original = store;
        KeptPixels kept;
        underPaint(store, QRegion(kWidget), [&kept](const DevicePixels &pixels) { pixels.copyTo(kept); });
        EXPECT_EQ(kept.inkedColumns, copy.inkedColumns) << copy.what;
        for (const QRegion &exposed : exposures) {
            QImage scribbled = original;
            scribbled.fill(kScribble);
            store = scribbled;
            underPaint(store, exposed, [&kept](const DevicePixels &pixels) { pixels.paste(kept); });
            int wrong = 0;
            for (int y = 0; y < store.height(); ++y) {
                for (int x = 0; x < store.width(); ++x) {
                    const bool pasted = exposed.contains(QPoint(x, y)) && kWidget.contains(x, y);
                    wrong += store.pixel(x, y) != (pasted ? original : scribbled).pixel(x, y);
                }
            }
            EXPECT_EQ(wrong, 0) << copy.what << ", exposed " << exposed.boundingRect().x() << ","
                                << exposed.boundingRect().y() << " " << exposed.rectCount() << " parts";
        }
    }
}

} // namespace
} // namespace brelo
