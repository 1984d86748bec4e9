#include "core/drawing/disc_drawing.h"
#include "core/drawing/heliographic_position.h"
#include "core/drawing/recording_canvas.h"
#include "core/drawing/zenith_up_disc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace brelo {
namespace {

// A point drawn at (B, L) reads back as (B, L), whatever the orientation.
TEST(HeliographicPosition, ThousandRandomPointsReadBackAsDrawn)
{
    std::mt19937 random(23);
    std::uniform_real_distribution<double> p(-30, 30), b0(-7.25, 7.25), l0(0, 360), turn(-180, 180),
        latitude(-89, 89), longitude(-90, 90);
    int checked = 0;
    while (checked < 1000) {
        const DiscOrientation disc{p(random), b0(random), l0(random), turn(random), checked % 2 ? 500.0 : 750.0};
        const double b = latitude(random), l = longitude(random);
        const DiscPoint at = discPoint(disc, b, l);
        if (!at.visible)
            continue;
        ++checked;
        const auto read = heliographicPosition(disc, at.x, at.y);
        ASSERT_TRUE(read.has_value()) << at.x << ", " << at.y;
        EXPECT_NEAR(read->latitudeDeg, b, 1e-6);
        EXPECT_NEAR(read->centralMeridianDeg, l, 1e-6);
        const double carrington = std::fmod(disc.longitudeL0Deg + l + 360.0, 360.0);
        EXPECT_NEAR(read->carringtonDeg, carrington, 1e-6);
    }
}

// The pole dots of the disc picture, plain and turned zenith-up, sit where
// latitudes +90 and -90 project (within a unit: the picture uses 3.14).
TEST(HeliographicPosition, PolesAreTheDrawingsPoleDots)
{
    const struct {
        float p, b0, q;
    } cases[] = {{0, 0, 0}, {20, 5, 0}, {-15, -6, 0}, {26.273f, 5.988f, -40}, {-26, -7.2f, 120}};
    for (const auto &c : cases) {
        RecordingCanvas canvas(kDiscInnerTwips, kDiscInnerTwips);
        if (c.q == 0)
            dessinephem(canvas, c.p, c.b0);
        else
            dessinephemZenithUp(canvas, c.p, c.b0, c.q);
        const auto circles = canvas.drawn();  // disc, south pole, north pole
        const DiscOrientation disc{c.p, c.b0, 0, zenithUpTurnDeg(c.q), 500};
        for (const auto &[latitude, op] : {std::pair{-90.0, circles[1]}, std::pair{90.0, circles[2]}}) {
            const DiscPoint pole = discPoint(disc, latitude, 0);
            EXPECT_NEAR(pole.x, op.args[0], 1.0) << "P " << c.p << " B0 " << c.b0 << " pole " << latitude;
            EXPECT_NEAR(pole.y, op.args[1], 1.0) << "P " << c.p << " B0 " << c.b0 << " pole " << latitude;
            EXPECT_EQ(pole.visible, latitude * c.b0 >= 0);
        }
    }
}

// The picture's parallels are four sweeps of longitude λ at 0.7° steps (the
// disc drawing's table): sweeps 1 and 4 draw latitude -φ at λ from the central
// meridian, sweeps 2 and 3 latitude φ at λ - 180. Each dot lies within a unit
// of where the projection puts that point (the picture mixes 3.14 and π).
TEST(HeliographicPosition, TheDrawingsParallelsAreWhereTheProjectionPutsThem)
{
    struct Sweep {
        double from, upTo;
        std::vector<double> latitudes;
        bool farSide;  // sweeps 2 and 3
    };
    const Sweep sweeps[] = {{1, 90, {20, 45, 75}, false},
                            {90, 180, {0, 20, 45, 75}, true},
                            {180, 270, {0, 20, 45, 75}, true},
                            {270, 360, {20, 45, 75}, false}};
    for (const auto &[p, b0] : {std::pair{0.0f, 0.0f}, std::pair{20.0f, 5.0f}, std::pair{-15.0f, -6.0f}}) {
        RecordingCanvas canvas(kDiscInnerTwips, kDiscInnerTwips);
        dessinephem(canvas, p, b0);
        const std::vector<RecordedOp> drawn = canvas.drawn();
        const DiscOrientation disc{p, b0, 0, 0, 500};
        std::size_t dot = drawn.size() - 1803;
        for (const Sweep &sweep : sweeps) {
            for (double lambda = sweep.from; lambda <= sweep.upTo; lambda += 0.7) {
                for (double phi : sweep.latitudes) {
                    ASSERT_LT(dot, drawn.size());
                    const RecordedOp &op = drawn[dot++];
                    ASSERT_EQ(op.kind, RecordedOp::Kind::Pixel);
                    const double longitude = sweep.farSide ? lambda - 180 : lambda > 180 ? lambda - 360 : lambda;
                    const DiscPoint at = discPoint(disc, sweep.farSide ? phi : -phi, longitude);
                    EXPECT_NEAR(op.args[0], at.x, 1.0) << "P " << p << " λ " << lambda << " φ " << phi;
                    EXPECT_NEAR(op.args[1], at.y, 1.0) << "P " << p << " λ " << lambda << " φ " << phi;
                }
            }
        }
        EXPECT_EQ(dot, drawn.size());
    }
}

TEST(HeliographicPosition, CentreEdgeAndTexts)
{
    const DiscOrientation disc{20, 5, 213.4, 0, 500};
    // The equator's middle point of the picture for P = 20, B0 = 5 lies at
    // about (14.90, 40.93) (worked from the disc drawing's formulas).
    const auto equator = heliographicPosition(disc, 14.90, 40.93);
    ASSERT_TRUE(equator.has_value());
    EXPECT_NEAR(equator->latitudeDeg, 0, 0.1);
    EXPECT_NEAR(equator->centralMeridianDeg, 0, 0.1);
    const auto centre = heliographicPosition(disc, 0, 0);
    EXPECT_NEAR(centre->latitudeDeg, 5, 1e-9);
    EXPECT_NEAR(centre->carringtonDeg, 213.4, 1e-9);
    // West is on the right of the untouched picture.
    EXPECT_GT(heliographicPosition({0, 0, 0, 0, 500}, 250, 0)->centralMeridianDeg, 29.9);
    EXPECT_EQ(heliographicText(heliographicPosition(disc, 500.01, 0), ','), "hors du disque");
    EXPECT_FALSE(heliographicPosition(disc, 354, -354).has_value());
    EXPECT_TRUE(heliographicPosition(disc, 353, -353).has_value());

    EXPECT_EQ(heliographicText(HeliographicPosition{12.34, -40.06, 215.66}, ','),
              "B = 12,3° · L(MC) = -40,1° · L(Carrington) = 215,7°");
    EXPECT_EQ(heliographicText(HeliographicPosition{-0.04, 89.96, 359.96}, '.'),
              "B = 0.0° · L(MC) = 90.0° · L(Carrington) = 0.0°");
}

} // namespace
} // namespace brelo
