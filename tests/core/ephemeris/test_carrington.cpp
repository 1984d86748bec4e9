#include "core/ephemeris/carrington.h"

#include "core/ephemeris/nutation.h"
#include "core/ephemeris/physical_ephemeris.h"
#include "core/ephemeris/solar_theory.h"
#include "core/ephemeris/time_argument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace brelo {
namespace {

// Tolerance on a start instant: five minutes of time (the rotation number is
// then right for any instant more than five minutes from a start).
constexpr double kTolerance = 5.0 / 1440.0;

// Published start instants (JD). Rotation 1: 1853 November 9.9 (Carrington's
// own count); 1699: Meeus, Astronomical Algorithms, example 29.b (1980 August
// 29.2230 TD); 1860: the published table of rotation starts.
TEST(Carrington, StartsWithinFiveMinutesOfThePublishedInstants)
{
    struct Case {
        long number;
        double startJd;
    };
    const Case cases[] = {{1, 2398167.4}, {1699, 2444480.7230}, {1860, 2448872.027509}};
    for (const Case &c : cases) {
        EXPECT_NEAR(carringtonStart(c.number), c.startJd, kTolerance) << c.number;
        const CarringtonRotation after = carringtonRotation(c.startJd + kTolerance);
        const CarringtonRotation before = carringtonRotation(c.startJd - kTolerance);
        EXPECT_EQ(after.number, c.number);
        EXPECT_LT(after.fraction, 0.0003);
        EXPECT_EQ(before.number, c.number - 1);
        EXPECT_GT(before.fraction, 0.9997);
    }
}

// A rotation starts when the central meridian passes Carrington longitude 0:
// the disc centre's L0 from the physical ephemeris must be within 0.1° of 0
// (11 minutes of rotation) at every start from 1800 to 2100.
TEST(Carrington, EveryStartIsWhereL0WrapsThroughZero)
{
    for (long n = -700; n <= 3300; n += 3) {
        const double jd = carringtonStart(n);
        const TimeArgument t = timeArgument({2000.0, 1.0, 1.0 + (jd - 2451544.5), 0.0, 0.0});
        ASSERT_NEAR(t.julianDay, jd, 1e-6);
        const SolarTheory sun = solarTheory(t.centuries);
        const Nutation nut = nutation(t.centuries, sun.node);
        const auto physical = physicalEphemeris(t.julianDay, sun.distanceAu, sun.apparentLongitude,
                                                nut.inLongitude, nut.trueObliquity);
        ASSERT_TRUE(physical.has_value());
        const double l0 = physical->longitudeL0;
        EXPECT_LT(std::min(l0, 360.0 - l0), 0.1) << "rotation " << n;
    }
}

TEST(Carrington, FractionRunsFromZeroToOneThroughTheRotation)
{
    for (long n = -700; n <= 3300; n += 37) {
        const double start = carringtonStart(n), next = carringtonStart(n + 1);
        EXPECT_EQ(carringtonRotation(start).fraction, 0.0);
        EXPECT_NEAR(carringtonRotation((start + next) / 2.0).fraction, 0.5, 1e-9);
        const CarringtonRotation last = carringtonRotation(std::nextafter(next, 0.0));
        EXPECT_EQ(last.number, n);
        EXPECT_LT(last.fraction, 1.0);
    }
    EXPECT_EQ(carringtonRotation(std::numeric_limits<double>::quiet_NaN()).number, 0);
}

TEST(Carrington, TextCutsTheFractionToThreeDecimals)
{
    struct Case {
        long number;
        double fraction;
        char sep;
        const char *text;
    };
    const Case cases[] = {
        {2301, 0.4579, ',', "2301,457"}, {2301, 0.0, '.', "2301.000"},
        {1860, 0.9999, '.', "1860.999"}, {7, 0.0009999, ',', "7,000"},
        {7, 0.001, ',', "7,001"},        {0, 0.5, ',', "0,500"},
        {-1, 0.25, ',', "-0,750"},       {-1, 0.0, '.', "-1.000"},
        {-1, 0.9995, '.', "-0.001"},     {-716, 0.5, ',', "-715,500"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(carringtonText({c.number, c.fraction}, c.sep), c.text);
}

} // namespace
} // namespace brelo
