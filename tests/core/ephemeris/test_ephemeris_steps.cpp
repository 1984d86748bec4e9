#include "core/ephemeris/ephemeris_text.h"
#include "core/ephemeris/horizontal.h"
#include "core/ephemeris/inverse_trig.h"
#include "core/ephemeris/observer_angle.h"
#include "core/ephemeris/physical_ephemeris.h"
#include "core/ephemeris/time_argument.h"
#include "core/ephemeris/turn_reduction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace brelo {
namespace {

TEST(TimeArgument, JulianDays)
{
    struct Case {
        CivilInstant instant;
        double julianDay;
    };
    const Case cases[] = {
        {{2000, 1, 1, 0, 0}, 2451544.5},
        {{1992, 10, 13, 0, 0}, 2448908.5},     // Meeus, example 25.a
        {{1957, 10, 4, 19, 26.4}, 2436116.31}, // Meeus, example 7.a (day 4.81)
        {{2000, 2, 29, 12, 0}, 2451604.0},     // February is month 14 of 1999
        {{2000, 3, 1, 0, 0}, 2451604.5},
        {{2000, 1, 1, 24, 0}, 2451545.5},      // hour 24 is 0 h of the next day
        {{2000, 1, 2, 0, 0}, 2451545.5},
        {{2000, 1, 40, 0, 0}, 2451583.5},      // day 40: 39 days after day 1
    };
    for (const Case &c : cases)
        EXPECT_NEAR(timeArgument(c.instant).julianDay, c.julianDay, 1e-6)
            << c.instant.year << "-" << c.instant.month << "-" << c.instant.day;
    EXPECT_DOUBLE_EQ(timeArgument({2000, 1, 1, 0, 0}).centuries, -0.5 / 36525.0);
}

// "while v > top: v -= 360; then while v < top - 360: v += 360", literally.
double literalLoops(double v, double top)
{
    while (v > top)
        v -= 360.0;
    while (v < top - 360.0)
        v += 360.0;
    return v;
}

TEST(TurnReduction, KeepsTheLoopsBoundsAndValues)
{
    struct Case {
        double v, turn, halfTurns;
    };
    const Case cases[] = {
        {0.0, 0.0, 0.0},          {360.0, 360.0, 0.0},        {720.0, 360.0, 0.0},
        {-360.0, 0.0, 0.0},       {180.0, 180.0, 180.0},      {-180.0, 180.0, -180.0},
        {540.0, 180.0, 180.0},    {-540.0, 180.0, -180.0},    {181.0, 181.0, -179.0},
        {-181.0, 179.0, 179.0},   {361.0, 1.0, 1.0},          {-1.0, 359.0, -1.0},
        {-756000.5, 359.5, -0.5}, {1e6, 280.0, -80.0},        {-1e-20, 360.0, -1e-20},
        // Whole turns far out: 360 × 2^40 and 360 × 2^47, where the last place is 8.
        {360.0 * 0x1p40 + 12.5, 12.5, 12.5},
        {-360.0 * 0x1p40 - 12.5, 347.5, -12.5},
        {360.0 * 0x1p47 + 8.0, 8.0, 8.0},
        {-360.0 * 0x1p47 - 8.0, 352.0, -8.0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(reduceToTurn(c.v).value(), c.turn) << c.v;
        EXPECT_EQ(reduceToHalfTurns(c.v).value(), c.halfTurns) << c.v;
    }
    EXPECT_FALSE(std::signbit(reduceToTurn(-720.0).value()));
    EXPECT_FALSE(std::signbit(reduceToHalfTurns(-720.0).value()));
}

TEST(TurnReduction, EqualsTheLiteralLoopsBitForBit)
{
    // Values with full fractions, where a careless whole-turn step would round.
    const double values[] = {-756123.45678901234, -359.99999999999994, -255.1234567890123,
                             -0.1234567890123456, 1e-300, -1e-300, 123456789.123456789,
                             -98765432.10987654, 180.00000000000003,
                             -180.00000000000003, 359.99999999999994, 360.00000000000006};
    for (double v : values) {
        EXPECT_EQ(reduceToTurn(v).value(), literalLoops(v, 360.0)) << v;
        EXPECT_EQ(reduceToHalfTurns(v).value(), literalLoops(v, 180.0)) << v;
    }
}

TEST(TurnReduction, RefusesWhatCannotBeCountedInTurns)
{
    const double values[] = {0x1p56, -0x1p56, 1e300, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
    for (double v : values) {
        EXPECT_FALSE(reduceToTurn(v).has_value()) << v;
        EXPECT_FALSE(reduceToHalfTurns(v).has_value()) << v;
    }
}

TEST(InverseTrig, SingleResultsAndTheirNaturalValuesAtOne)
{
    EXPECT_EQ(acosSingle(0.0), 1.5707964f);
    EXPECT_EQ(acosSingle(0.5), 1.0471976f);
    EXPECT_EQ(acosSingle(1.0), 0.0f);
    EXPECT_EQ(acosSingle(-1.0), 3.1415927f);
    EXPECT_EQ(asinSingle(1.0), 1.5707964f);
    EXPECT_EQ(asinSingle(-1.0), -1.5707964f);
    EXPECT_EQ(asinSingle(0.5), 0.52359879f);
    // Just past 1 by rounding: the absolute value under the root keeps it near π/2.
    EXPECT_NEAR(asinSingle(1.0 + 1e-15), 1.5707964f, 1e-6f);
}

TEST(Quadrants, EtaEndsHalfATurnFromTheSunsLongitudeFromTheNode)
{
    struct Case {
        double eta, fromNode, expected;
    };
    const Case cases[] = {
        {0.0, 0.0, 180.0},       // both sines 0, both cosines +1
        {29.8, 30.0, 209.8},     {-60.2, 120.0, -60.2},
        {60.2, 240.0, 60.2},     {-29.8, 330.0, 150.2},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(etaInQuadrant(c.eta, c.fromNode), c.expected) << c.fromNode;
}

TEST(Quadrants, RightAscensionFollowsTheLongitude)
{
    EXPECT_DOUBLE_EQ(rightAscensionInQuadrant(-30.0, 150.0), 150.0);
    EXPECT_DOUBLE_EQ(rightAscensionInQuadrant(30.0, 210.0), 210.0);
    EXPECT_DOUBLE_EQ(rightAscensionInQuadrant(30.0, 30.0), 30.0);
    EXPECT_DOUBLE_EQ(rightAscensionInQuadrant(-30.0, 330.0), -30.0);
    EXPECT_EQ(rightAscension(0.0, 23.44), 0.0);  // the equinox stays at 0, not 360
}

TEST(HourAngle, LongitudeIsPositiveTowardsTheEast)
{
    EXPECT_DOUBLE_EQ(hourAngle(100.0, 10.0, 280.0).value(), -170.0);
    EXPECT_DOUBLE_EQ(hourAngle(100.0, -10.0, 280.0).value(), 170.0);
    EXPECT_DOUBLE_EQ(hourAngle(100.0, 0.0, 280.0).value(), -180.0);  // kept, not moved to 180
}

// West of the meridian the hours are floored; east of it the magnitude's hours
// and minutes follow the sign. Minutes are cut on both sides, so each row sits
// on or just short of a boundary of the hour or of the minute.
TEST(HourAngle, TextsAroundTheMeridian)
{
    struct Case {
        double h;
        const char *point, *comma;
    };
    const Case cases[] = {
        {1.1, "Angle horaire = 1.1° = 0 h 4 '", "Angle horaire = 1,1° = 0 h 4 '"},
        {-1.1, "Angle horaire = -1.1° = -0 h 4 '", "Angle horaire = -1,1° = -0 h 4 '"},
        {-46.2, "Angle horaire = -46.2° = -3 h 4 '", "Angle horaire = -46,2° = -3 h 4 '"},
        {0.0, "Angle horaire = 0° = 0 h 0 '", "Angle horaire = 0° = 0 h 0 '"},
        {-0.0, "Angle horaire = 0° = 0 h 0 '", "Angle horaire = 0° = 0 h 0 '"},
        {-0.001, "Angle horaire = -0.001° = -0 h 0 '", "Angle horaire = -0,001° = -0 h 0 '"},
        {-0.2499, "Angle horaire = -0.25° = -0 h 0 '", "Angle horaire = -0,25° = -0 h 0 '"},
        {-0.25, "Angle horaire = -0.25° = -0 h 1 '", "Angle horaire = -0,25° = -0 h 1 '"},
        {0.25, "Angle horaire = 0.25° = 0 h 1 '", "Angle horaire = 0,25° = 0 h 1 '"},
        {-14.999, "Angle horaire = -14.999° = -0 h 59 '", "Angle horaire = -14,999° = -0 h 59 '"},
        {-15.0, "Angle horaire = -15° = -1 h 0 '", "Angle horaire = -15° = -1 h 0 '"},
        {15.0, "Angle horaire = 15° = 1 h 0 '", "Angle horaire = 15° = 1 h 0 '"},
        {-179.999, "Angle horaire = -179.999° = -11 h 59 '",
         "Angle horaire = -179,999° = -11 h 59 '"},
        {-180.0, "Angle horaire = -180° = -12 h 0 '", "Angle horaire = -180° = -12 h 0 '"},
        {180.0, "Angle horaire = 180° = 12 h 0 '", "Angle horaire = 180° = 12 h 0 '"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(hourAngleText(c.h, '.'), c.point);
        EXPECT_EQ(hourAngleText(c.h, ','), c.comma);
    }
    EXPECT_EQ(timeLikeText(360.0), "24 h 0 '");
    EXPECT_EQ(timeLikeText(198.3807), "13 h 13 '");
}

TEST(ObserverAngle, MinutesTakeTheSignOfTheDegrees)
{
    struct Case {
        double degrees, minutes, expected;
    };
    const Case cases[] = {
        {-2.0, 20.0, -2.0 - 20.0 / 60.0}, {-0.0, 20.0, -20.0 / 60.0},
        {2.0, 20.0, 2.0 + 20.0 / 60.0},   {0.0, 20.0, 20.0 / 60.0},
        {45.0, 0.0, 45.0},                {-2.0, 30.0, -2.5},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(observerAngle(c.degrees, c.minutes), c.expected) << c.degrees;
}

// An observer on the equator with the Sun on the equator: the Sun stands due
// West or East, the denominator of the azimuth is exactly 0 and the north–zenith
// angle is a right angle.
TEST(Horizontal, SunOnTheEquatorSeenFromTheEquator)
{
    EXPECT_EQ(azimuth(0.0, 0.0f, 30.0), 90.0);
    EXPECT_EQ(azimuth(0.0, 0.0f, -30.0), -90.0);
    EXPECT_NEAR(altitude(0.0, 0.0f, 30.0), 60.0f, 1e-4f);
    EXPECT_EQ(northZenithAngle(0.0, 0.0f, 60.0f, 30.0), 90.0f);
    EXPECT_EQ(northZenithAngle(0.0, 0.0f, 60.0f, -30.0), -90.0f);
}

TEST(Horizontal, AzimuthSidesOfTheMeridian)
{
    // At 45° N with δ = 0: tan Az = sin H / (sin φ cos H), so H = ±60 gives
    // Az = ±arctan(0.8660254 / 0.3535534) = ±67.79°; H = ±120 is past the prime vertical.
    EXPECT_NEAR(azimuth(45.0, 0.0f, 60.0), 67.7923, 1e-3);
    EXPECT_NEAR(azimuth(45.0, 0.0f, -60.0), -67.7923, 1e-3);
    EXPECT_NEAR(azimuth(45.0, 0.0f, 120.0), 112.2077, 1e-3);
    EXPECT_NEAR(azimuth(45.0, 0.0f, -120.0), -112.2077, 1e-3);
}

} // namespace
} // namespace brelo
