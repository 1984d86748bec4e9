// The Sun's days of a period and the curve of a day, checked against the
// independent sunrise table of tests/data/sun_day_reference.py (the NOAA
// calculator's formulation, good to about a minute).
#include "core/ephemeris/period_days.h"
#include "core/ephemeris/sun_day_curve.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace brelo {
namespace {

using namespace std::chrono;

const ObserverPosition kParis{"48", "51", "2", "21"};

double hoursOf(const std::string &referenceTime)  // "2027-06-21 03:46:55"
{
    return std::stoi(referenceTime.substr(11, 2)) + std::stoi(referenceTime.substr(14, 2)) / 60.0
           + std::stoi(referenceTime.substr(17, 2)) / 3600.0;
}

// Paris rows: the curve's sampled altitude crosses -0.833° within five minutes
// of the reference rise and set, peaks at the reference altitude at transit,
// and its azimuth goes from East (negative) to West through 0 at transit.
TEST(SunDayCurve, FollowsTheReferenceDayAtParis)
{
    for (const reference::Row &row : reference::readTsv(BRELO_SUN_DAY_REFERENCE)) {
        const std::vector<std::string> &c = row.cells;
        if (c[0] != "Paris" || c[1].substr(0, 4) != "2027")
            continue;
        SCOPED_TRACE(c[1]);
        const sys_days date{year{std::stoi(c[1].substr(0, 4))} / std::stoi(c[1].substr(5, 2))
                            / std::stoi(c[1].substr(8, 2))};
        const std::vector<SunCurvePoint> curve = sunDayCurve({48 + 51 / 60.0, 2 + 21 / 60.0}, date, 1);
        ASSERT_EQ(curve.size(), 1441u);
        const auto crossing = [&](bool rising) {
            for (std::size_t i = 1; i < curve.size(); ++i)
                if ((curve[i - 1].altitudeDeg < -0.833) == rising && (curve[i].altitudeDeg < -0.833) != rising)
                    return curve[i].hoursUt;
            return -1.0;
        };
        EXPECT_NEAR(crossing(true), hoursOf(c[6]), 5 / 60.0);
        EXPECT_NEAR(crossing(false), hoursOf(c[8]), 5 / 60.0);
        const auto highest = std::max_element(curve.begin(), curve.end(), [](const auto &a, const auto &b) {
            return a.altitudeDeg < b.altitudeDeg;
        });
        EXPECT_NEAR(highest->altitudeDeg, std::stod(c[9]), 0.01);
        EXPECT_NEAR(highest->hoursUt, hoursOf(c[7]), 2 / 60.0);
        const std::size_t transit = static_cast<std::size_t>(std::lround(hoursOf(c[7]) * 60));
        EXPECT_LT(curve[transit - 3].azimuthDeg, 0.0);
        EXPECT_GT(curve[transit + 3].azimuthDeg, 0.0);
    }
}

// Sydney on 21 June 2027 (tests/data/sun_day_reference.tsv): the rise falls
// on the 20th in UT (20:59:51), off the chart of the 21st; transit 01:56:48
// and set 06:53:45 are on it, as is noon of the date, not 1 h the next day.
TEST(SunDayCurve, MarksOnlyWhatFallsWithinTheDate)
{
    const sys_days date{2027y / 6 / 21};
    const auto day = sunDay({-(33 + 52 / 60.0), 151 + 13 / 60.0}, date, '.');
    ASSERT_TRUE(day.ok()) << day.error();
    const double noon = julianDayAtMidnight(date) + 0.5;
    const SunDayMarks marks = sunDayMarks(day.value(), noon);
    EXPECT_FALSE(marks.rise);
    ASSERT_TRUE(marks.transit && marks.set && marks.instant);
    EXPECT_NEAR(*marks.transit, 1 + 56 / 60.0 + 48 / 3600.0, 1 / 60.0);
    EXPECT_NEAR(*marks.set, 6 + 53 / 60.0 + 45 / 3600.0, 1 / 60.0);
    EXPECT_NEAR(*marks.instant, 12.0, 1e-6);
    EXPECT_FALSE(sunDayMarks(day.value(), noon + 13.0 / 24.0).instant);
}

TEST(PeriodDays, OneRowPerDateBothEndsIncluded)
{
    const sys_days first{2027y / 1 / 1};
    const auto days = PeriodDays::make(first, sys_days{2027y / 12 / 31}, kParis, '.');
    ASSERT_TRUE(days.ok()) << days.error();
    ASSERT_EQ(days.value().rowCount(), 365u);
    EXPECT_EQ(dateText(days.value().date(171)), "2027-06-21");
    const auto june21 = days.value().day(171);
    ASSERT_TRUE(june21.ok());
    EXPECT_EQ(june21.value().date, sys_days{2027y / 6 / 21});
    EXPECT_NEAR(days.value().place().latitudeDeg, 48.85, 1e-12);
}

TEST(PeriodDays, RefusalsNameTheirCause)
{
    const struct {
        sys_days first, last;
        ObserverPosition observer;
        const char *said;
    } cases[] = {
        {sys_days{2027y / 6 / 21}, sys_days{2027y / 6 / 20}, kParis,
         "La fin de la période (2027-06-20) précède son début (2027-06-21)."},
        {sys_days{2027y / 1 / 1}, sys_days{2027y / 1 / 1} + days{5'000'000}, kParis,
         "La période compte 5 000 001 jours, plus que les 5 000 000 d'un tableau"},
        {sys_days{2027y / 1 / 1}, sys_days{2027y / 1 / 2}, {"95", "0", "2", "21"}, "la latitude (95° 0')"},
        {sys_days{2027y / 1 / 1}, sys_days{2027y / 1 / 2}, {"48", "", "2", "21"}, "minutes"},
        {sys_days{11999y / 1 / 1}, sys_days{12001y / 1 / 1}, kParis, "Calcul impossible"},
    };
    for (const auto &c : cases) {
        const auto days = PeriodDays::make(c.first, c.last, c.observer, '.');
        ASSERT_FALSE(days.ok()) << c.said;
        EXPECT_NE(days.error().find(c.said), std::string::npos) << days.error();
    }
}

} // namespace
} // namespace brelo
