#include "core/drawing/disc_drawing.h"
#include "core/drawing/layout_drawing.h"
#include "ui/widgets/picture_area.h"
#include "core/drawing/zenith_up_disc.h"
#include "support/event_count.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace brelo {
namespace {

const QColor kLayoutBackground(255, 128, 128);
const QColor kDiscBackground(128, 0, 0);
const QColor kLightYellow(255, 255, 128);
const QColor kBlack(0, 0, 0);

// Colour of a logical pixel of the inner area, whatever the device pixel ratio.
QColor at(const QImage &image, int x, int y)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

bool isGrey(QColor c) { return c.red() == c.green() && c.green() == c.blue(); }

struct Layout {
    PictureArea area{kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips}};

    explicit Layout(bool rays = true)
    {
        OpticalState state;
        state.foco3b = "300";
        state.distb = 248.19277108433735;
        state.distc = 264.70588235294116;
        dessin(area, {"1000", "90", "50", "30", "50", "50"}, state, -2000, rays, '.');
    }
};

struct Disc {
    PictureArea area{kDiscBackground, {kDiscInnerTwips, kDiscInnerTwips}};

    Disc(float anglep, std::optional<float> latb0)
    {
        setDiscUserScale(area);
        dessinephem(area, anglep, latb0);
    }
};

TEST(PictureArea, HasTheDesignSizeAndStartsBlank)
{
    const PictureArea area(kDiscBackground, {kDiscInnerTwips, kDiscInnerTwips});
    // 6735 twips are 449 pixels; the frame adds two on each side (6800 twips).
    EXPECT_EQ(area.size(), QSize(453, 453));
    EXPECT_EQ(area.innerWidthTwips(), kDiscInnerTwips);
    const QImage image = area.image();
    EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(449, 449));
    EXPECT_EQ(at(image, 0, 0), kDiscBackground);
    EXPECT_EQ(at(image, 224, 224), kDiscBackground);

    const PictureArea layout(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
    EXPECT_EQ(layout.size(), QSize(769, 201));  // 11535 × 3015 twips outside
}

// Layout pixels: x = (user + 100) / 15, y = (user + 1477.5) / 15, s = 5.7375.
TEST(PictureArea, LayoutElementsLandOnTheirPixels)
{
    const Layout layout;
    const QImage image = layout.area.image();
    const struct {
        const char *what;
        int x, y;
        QColor color;
    } cases[] = {
        {"top-left corner", 0, 0, kLayoutBackground},
        {"bottom-right corner", 764, 196, kLayoutBackground},
        {"O1 on the axis", 6, 98, QColor(0, 0, 255)},
        {"O2 on the axis", 400, 98, QColor(0, 255, 0)},
        {"O3 on the axis", 501, 98, QColor(0, 0, 255)},
        {"f mark on the axis", 511, 98, QColor(255, 0, 0)},
        {"final focus, not covered by the rays ending on it", 635, 98, QColor(255, 0, 0)},
        {"upper diaphragm jaw", 495, 88, kBlack},
        {"scale bar", 193, 11, kBlack},
        {"between the elements", 300, 150, kLayoutBackground},
    };
    for (const auto &c : cases)
        EXPECT_EQ(at(image, c.x, c.y), c.color) << c.what;
}

TEST(PictureArea, RaysAreWhiteAndGoWithTheCheckBox)
{
    // The upper ray from O1's rim: whites along its first dash, none without rays.
    const auto whites = [](const QImage &image) {
        int n = 0;
        for (int y = 0; y < 197; ++y)
            for (int x = 8; x < 380; ++x)
                n += at(image, x, y) == QColor(255, 255, 255);
        return n;
    };
    EXPECT_GT(whites(Layout(true).area.image()), 200);
    EXPECT_EQ(whites(Layout(false).area.image()), 0);
}

// Disc pixels: (user + 550) × 449 / 1100.
TEST(PictureArea, DiscPixelsAreExactDots)
{
    const Disc disc(0.0f, 0.0f);
    const QImage image = disc.area.image();
    EXPECT_EQ(at(image, 0, 0), kDiscBackground);
    EXPECT_EQ(at(image, 448, 448), kDiscBackground);
    EXPECT_EQ(at(image, 265, 265), kLightYellow);  // user (100, 100), inside the disc
    EXPECT_EQ(at(image, 224, 20), QColor(0, 0, 255));  // N at user (-0.1, -500), a speck

    // Row 112 (user y = -274.4): background up to the black rim at x = -418, then the disc.
    int firstDrawn = 0;
    while (firstDrawn < 449 && at(image, firstDrawn, 112) == kDiscBackground)
        ++firstDrawn;
    EXPECT_NEAR(firstDrawn, 53, 1);
    EXPECT_EQ(at(image, firstDrawn, 112), kBlack);
    EXPECT_EQ(at(image, firstDrawn + 3, 112), kLightYellow);

    // An equator dot of sweep 2 (λ = 139°) at user (-328.03, 0), alone in its column.
    EXPECT_EQ(at(image, 90, 224), kBlack);
    EXPECT_EQ(at(image, 90, 223), kLightYellow);
    EXPECT_EQ(at(image, 90, 225), kLightYellow);
}

TEST(PictureArea, AxisHalvesUseTwoDistinctSystemGreys)
{
    const auto greysIn = [](const QImage &image, int fromRow, int toRow) {
        QColor found;
        for (int y = fromRow; y < toRow; ++y) {
            const QColor c = at(image, 224, y);
            if (c != kLightYellow && c != kBlack) {
                EXPECT_TRUE(isGrey(c)) << "row " << y;
                found = c;
            }
        }
        return found;
    };
    const QImage flat = Disc(0.0f, 0.0f).area.image();
    const QColor southHalf = greysIn(flat, 230, 420);  // dashed: application workspace
    const QColor northHalf = greysIn(flat, 30, 220);   // dotted: button face
    ASSERT_TRUE(southHalf.isValid());
    ASSERT_TRUE(northHalf.isValid());
    EXPECT_GE(std::abs(qGray(northHalf.rgb()) - qGray(southHalf.rgb())), 40);
    EXPECT_GT(qGray(northHalf.rgb()), qGray(southHalf.rgb()));  // button face is the lighter

    // B0 > 0 swaps them.
    const QImage tilted = Disc(0.0f, 6.0f).area.image();
    EXPECT_EQ(greysIn(tilted, 230, 420), northHalf);
    EXPECT_EQ(greysIn(tilted, 30, 220), southHalf);
}

TEST(PictureArea, ScreenShowsTheRetainedPictureInsideTheFrame)
{
    Disc disc(20.0f, 5.0f);
    const QImage picture = disc.area.image();
    const QImage screen = disc.area.grab().toImage();
    const int b = PictureArea::kBorderPx;
    for (const QPoint p : {QPoint(0, 0), QPoint(265, 265), QPoint(224, 20), QPoint(100, 300)})
        EXPECT_EQ(at(screen, p.x() + b, p.y() + b), at(picture, p.x(), p.y())) << p.x() << ", " << p.y();

    // A new drawing starts from a clear picture.
    disc.area.clear();
    EXPECT_EQ(at(disc.area.image(), 265, 265), kDiscBackground);
}

// Drawings write into the picture in place: a copy handed out before must keep
// what it showed, whatever is drawn after it, dots and lines alike.
TEST(PictureArea, APictureHandedOutKeepsItsPixels)
{
    PictureArea area(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
    const CanvasColor blue = CanvasColor::of(0, 0, 255);
    area.pixel(150.0f, 150.0f, blue);  // logical pixel (10, 10)
    const QImage before = area.image();
    area.pixel(300.0f, 300.0f, blue);
    area.segment(0.0f, 450.0f, 1500.0f, 450.0f, blue);
    const QImage after = area.image();
    area.clear();
    area.pixel(150.0f, 300.0f, blue);
    const QImage last = area.image();
    const struct {
        const QImage &image;
        int x, y;
        QColor color;
    } cases[] = {
        {before, 10, 10, QColor(0, 0, 255)}, {before, 20, 20, kLayoutBackground},
        {before, 50, 30, kLayoutBackground}, {after, 20, 20, QColor(0, 0, 255)},
        {after, 50, 30, QColor(0, 0, 255)},  {after, 10, 20, kLayoutBackground},
        {last, 10, 20, QColor(0, 0, 255)},   {last, 10, 10, kLayoutBackground},
    };
    for (const auto &c : cases)
        EXPECT_EQ(at(c.image, c.x, c.y), c.color) << c.x << ", " << c.y;
}

// The screen is told only about the rectangles a drawing changed: after any
// sequence of drawings, repaints and returns to an earlier picture, it shows
// the picture exactly.
TEST(PictureArea, ScreenFollowsEveryDrawing)
{
    PictureArea area(kDiscBackground, {kDiscInnerTwips, kDiscInnerTwips});
    setDiscUserScale(area);
    area.show();
    const auto draw = [&area](float p, float b0) { dessinephem(area, p, b0); };
    const auto settle = [] {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    };
    const auto screenMatches = [&area](const char *when) {
        const QImage screen = area.screen()->grabWindow(area.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = area.image();
        const int b = PictureArea::kBorderPx;
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                differing += screen.pixel(x + b, y + b) != picture.pixel(x, y);
        EXPECT_EQ(differing, 0) << when;
    };
    // A turn by a hundredth of a degree moves dots but leaves the disc, the
    // poles and the axis on their pixels: only the dots are compared then.
    const struct {
        const char *when;
        float p, b0;
        bool repaintThenBack;  // repainted before the changes are compared, then drawn as shown before
    } steps[] = {{"first drawing", 0, 0, false},       {"turned", 20, 5, false},
                 {"repainted at once, then back", 0, 0, true}, {"back to the first", 0, 0, false},
                 {"turned a little", 0.01f, 0, false}, {"a little more, repainted at once, then back", 0.02f, 0, true},
                 {"turned the other way", -15, -6, false}, {"and a little more", -15.01f, -6, false}};
    std::pair<float, float> shown{0.0f, 0.0f};
    for (const auto &step : steps) {
        const QImage before = area.image();
        draw(step.p, step.b0);
        if (step.repaintThenBack) {
            area.repaint();
            draw(shown.first, shown.second);
            EXPECT_EQ(area.image(), before);
        } else {
            shown = {step.p, step.b0};
        }
        settle();
        screenMatches(step.when);
    }
}

// A clear takes off what the last drawing drew: whatever follows, the picture
// must be the one a fresh picture area gets from the same drawing.
TEST(PictureArea, EveryDrawingEndsAsOnAFreshPicture)
{
    using Drawing = std::function<void(Canvas &)>;
    const auto disc = [](float p, float b0) -> Drawing { return [=](Canvas &c) { dessinephem(c, p, b0); }; };
    const auto zenithUp = [](float p, float b0, float q) -> Drawing {
        return [=](Canvas &c) { dessinephemZenithUp(c, p, b0, q); };
    };
    // The disc's first shapes, then something else (and dots, two on one
    // pixel, moved by `shift`) or nothing.
    const auto discStart = [](int shapes, bool thenOther, float shift = 0.0f) -> Drawing {
        return [=](Canvas &c) {
            c.clear();
            c.setLineStyle(LineStyle::Solid);
            c.setFillColor(CanvasColor::of(255, 255, 128));
            c.setFillStyle(FillStyle::Solid);
            if (shapes > 0)
                c.circle(0.0f, 0.0f, 500.0f, CanvasColor::of(0, 0, 0));
            if (shapes > 1)
                c.circle(-0.1f, 500.0f, 2.0f, CanvasColor::of(0, 0, 255));
            if (thenOther)
                c.segment(-500.0f, 0.0f, 500.0f, 10.0f, CanvasColor::of(0, 255, 0));
            const CanvasPoint dots[] = {{1.0f + shift, 1.0f}, {-200.0f, 30.0f}, {1.1f + shift, 1.1f}};
            if (thenOther)
                c.pixels(dots, CanvasColor::of(255, 0, 0));
        };
    };
    // Dots first, then a shape over them, without a clear of its own.
    const Drawing dotsThenShape = [](Canvas &c) {
        const CanvasPoint dots[] = {{0.0f, 0.0f}, {300.0f, 300.0f}};
        c.pixels(dots, CanvasColor::of(0, 0, 0));
        c.setFillStyle(FillStyle::Transparent);
        c.circle(300.0f, 300.0f, 40.0f, CanvasColor::of(0, 255, 255));
    };
    const struct {
        const char *what;
        std::vector<Drawing> drawings;
    } sequences[] = {
        {"the same disc twice", {disc(0, 0), disc(0, 0)}},
        {"a disc turned a little, then much", {disc(0, 0), disc(0.01f, 0), disc(20, 5), disc(-15, -6)}},
        {"fewer shapes, no dots", {disc(0, 0), discStart(1, false)}},
        {"the first shape, then others", {disc(0, 0), discStart(1, true), disc(0, 0)}},
        {"dots on one pixel lifted", {discStart(1, true), discStart(1, true, 50.0f), discStart(1, true)}},
        {"two shapes, nothing else", {disc(20, 5), discStart(2, false), discStart(2, false)}},
        {"nothing drawn after the clear", {disc(0, 0), discStart(0, false), disc(0, 0)}},
        {"cleared twice", {disc(0, 0), [](Canvas &c) { c.clear(); }, disc(0, 0)}},
        {"turned to the zenith", {disc(0, 0), zenithUp(0, 0, -40), zenithUp(0, 0, -40), disc(0, 0)}},
        {"a shape over the dots", {disc(0, 0), dotsThenShape, disc(0, 0), disc(0.01f, 0)}},
    };
    for (const auto &sequence : sequences) {
        PictureArea area(kDiscBackground, {kDiscInnerTwips, kDiscInnerTwips});
        setDiscUserScale(area);
        std::vector<Drawing> sinceClear;
        for (std::size_t i = 0; i < sequence.drawings.size(); ++i) {
            const Drawing &drawing = sequence.drawings[i];
            drawing(area);
            // A fresh area, which has no earlier shapes to keep, gets the
            // drawings since the last one that began with a clear.
            if (drawing.target_type() != dotsThenShape.target_type())  // the one drawing without a clear
                sinceClear.clear();
            sinceClear.push_back(drawing);
            PictureArea fresh(kDiscBackground, {kDiscInnerTwips, kDiscInnerTwips});
            setDiscUserScale(fresh);
            for (const Drawing &earlier : sinceClear)
                earlier(fresh);
            EXPECT_EQ(area.image(), fresh.image()) << sequence.what << ", drawing " << i + 1;
        }
    }
}

// The layout's drawings, one after the other on one picture (a clear that
// fills only the rows drawn before, a comparison with the screen limited to
// them), end as on a fresh picture and on the screen.
TEST(PictureArea, LayoutDrawingsFollowOneAnother)
{
    const struct {
        const char *what;
        LayoutInput input;
        double distb;
        int scale;
        bool rays;
    } steps[] = {
        {"design", {"1000", "90", "50", "30", "50", "50"}, 248.19277108433735, -2000, true},
        {"O1 wider", {"1000", "120", "50", "30", "50", "50"}, 248.19277108433735, -2000, true},
        {"no rays", {"1000", "120", "50", "30", "50", "50"}, 248.19277108433735, -2000, false},
        {"another O2 place", {"1000", "90", "50", "30", "50", "50"}, 200.0, -1500, true},
        {"a tall O1", {"1000", "1e300", "50", "30", "50", "50"}, 200.0, -1500, true},
        {"design again", {"1000", "90", "50", "30", "50", "50"}, 248.19277108433735, -2000, true},
    };
    PictureArea area(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
    area.show();
    for (const auto &step : steps) {
        OpticalState state;
        state.foco3b = "300";
        state.distb = step.distb;
        state.distc = 264.70588235294116;
        dessin(area, step.input, state, step.scale, step.rays, '.');
        PictureArea fresh(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
        dessin(fresh, step.input, state, step.scale, step.rays, '.');
        EXPECT_EQ(area.image(), fresh.image()) << step.what;
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const QImage screen =
            area.screen()->grabWindow(area.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = area.image();
        const int b = PictureArea::kBorderPx;
        EXPECT_EQ(screen.copy(b, b, picture.width(), picture.height()), picture) << step.what;
    }
}

// Dots handed over together land exactly where they land one by one, at
// every pixel ratio, those outside the area included.
TEST(PictureArea, DotsTogetherLandAsDotsOneByOne)
{
    const std::vector<CanvasPoint> dots{{0.0f, 0.0f},      {14.99f, 0.0f},     {15.0f, 15.0f},     {-0.01f, 30.0f},
                                        {11474.9f, 100.0f}, {11475.0f, 100.0f}, {300.0f, 2954.9f},  {300.0f, 2955.0f},
                                        {150.5f, -1e20f},   {std::nanf(""), 1.0f}, {7000.3f, 1500.7f}, {7000.3f, 1500.7f}};
    for (const double zoom : {1.0, 1.5, 2.0}) {
        PictureArea together(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
        PictureArea oneByOne(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
        together.setZoom(zoom);
        oneByOne.setZoom(zoom);
        together.pixels(dots, CanvasColor::of(0, 0, 255));
        for (const CanvasPoint &dot : dots)
            oneByOne.pixel(dot.x, dot.y, CanvasColor::of(0, 0, 255));
        const QImage image = together.image();
        EXPECT_EQ(image, oneByOne.image()) << zoom;
        int blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                blue += image.pixel(x, y) == qRgb(0, 0, 255);
        EXPECT_GE(blue, 5) << zoom;  // five of the pixels at least, whatever the ratio
    }
}

TEST(PictureArea, ShapesFarOutsideAreClippedNotLost)
{
    PictureArea area(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
    // Default user scale: one unit per twip from the inner top-left corner.
    area.segment(-3e38f, 150.0f, 3e38f, 150.0f, CanvasColor::of(0, 0, 0));
    area.circle(3e38f, 0.0f, 1e30f, CanvasColor::of(0, 0, 255));
    area.pixel(-1e20f, 5.0f, CanvasColor::of(0, 0, 255));
    const QImage image = area.image();
    for (const int x : {0, 300, 764})
        EXPECT_EQ(at(image, x, 10), kBlack) << x;  // the line crosses the whole area
    EXPECT_EQ(at(image, 0, 0), kLayoutBackground);

    // An O1 of 1e300 mm crosses the whole height at its column.
    OpticalState state;
    state.foco3b = "300";
    state.distb = 248.19277108433735;
    state.distc = 264.70588235294116;
    ASSERT_TRUE(dessin(area, {"1000", "1e300", "50", "30", "50", "50"}, state, -2000, false, '.'));
    for (const int y : {0, 98, 196})
        EXPECT_EQ(at(area.image(), 6, y), QColor(0, 0, 255)) << y;
}

// Lines as the original platform draws them: Bresenham's pixels from the
// first up to the one before the last, 18 on and 6 off when dashed, 3 and 3
// when dotted, each the top-left of a pen-sized square centred on the line,
// clipped to the picture.
QImage expectedLine(QSize size, int x, int y, int xEnd, int yEnd, int pen, LineStyle style)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kLayoutBackground);
    const int on = style == LineStyle::Dashed ? 18 : style == LineStyle::Dotted ? 3 : 1;
    const int off = style == LineStyle::Dashed ? 6 : style == LineStyle::Dotted ? 3 : 0;
    const int dx = std::abs(xEnd - x), dy = -std::abs(yEnd - y);
    const int offset = (pen - 1) / 2;
    for (int error = dx + dy, step = 0; x != xEnd || y != yEnd; ++step) {
        if (step % (on + off) < on)
            for (int i = 0; i < pen * pen; ++i)
                if (image.rect().contains(x - offset + i % pen, y - offset + i / pen))
                    image.setPixel(x - offset + i % pen, y - offset + i / pen, qRgb(255, 0, 0));
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += x < xEnd ? 1 : -1;
        }
        if (twice <= dx) {
            error += dx;
            y += y < yEnd ? 1 : -1;
        }
    }
    return image;
}

TEST(PictureArea, LinesCoverThePenSquaresOfTheirPixels)
{
    const struct {
        int x1, y1, x2, y2, pen;
        LineStyle style;
    } lines[] = {
        // along a row or a column, every way, solid and broken
        {10, 20, 10, 120, 1, LineStyle::Solid},   {10, 120, 10, 20, 1, LineStyle::Solid},
        {40, 50, 300, 50, 1, LineStyle::Solid},   {300, 50, 40, 50, 1, LineStyle::Solid},
        {60, 10, 60, 150, 2, LineStyle::Solid},   {60, 150, 60, 10, 2, LineStyle::Solid},
        {70, 90, 500, 90, 2, LineStyle::Solid},   {500, 90, 70, 90, 3, LineStyle::Solid},
        {80, 30, 80, 31, 3, LineStyle::Solid},    {90, 40, 90, 40, 2, LineStyle::Solid},
        {0, -20, 0, 60, 2, LineStyle::Solid},     {740, 100, 790, 100, 3, LineStyle::Solid},
        {5, 180, 5, 210, 4, LineStyle::Solid},    {20, 70, 400, 70, 1, LineStyle::Dashed},
        {30, 190, 30, 5, 1, LineStyle::Dotted},
        // slanted, inside the picture and across each of its edges
        {0, 0, 380, 190, 1, LineStyle::Dashed},   {380, 190, 0, 0, 1, LineStyle::Solid},
        {700, 10, 650, 180, 1, LineStyle::Dotted}, {-25, 100, 200, 20, 1, LineStyle::Dashed},
        {300, -30, 340, 150, 1, LineStyle::Solid}, {600, 50, 790, 120, 1, LineStyle::Dashed},
        {100, 150, 160, 220, 1, LineStyle::Dotted}, {50, 10, 350, 180, 2, LineStyle::Dashed},
        {760, 190, 700, -10, 2, LineStyle::Solid},
    };
    for (const auto &line : lines) {
        PictureArea area(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
        area.setPenWidth(line.pen);
        area.setLineStyle(line.style);
        area.segment(15.0f * line.x1, 15.0f * line.y1, 15.0f * line.x2, 15.0f * line.y2, CanvasColor::of(255, 0, 0));
        const QImage drawn = area.image();
        ASSERT_EQ(drawn.devicePixelRatio(), 1.0);
        EXPECT_EQ(drawn, expectedLine(drawn.size(), line.x1, line.y1, line.x2, line.y2, line.pen, line.style))
            << line.x1 << "," << line.y1 << " to " << line.x2 << "," << line.y2 << " pen " << line.pen << " style "
            << static_cast<int>(line.style);
    }
}

} // namespace
} // namespace brelo
