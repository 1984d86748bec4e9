// A period table's columns as numbers for a chart.
#include "core/ephemeris/period_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace brelo {
namespace {

std::size_t columnNamed(std::string_view title)
{
    const auto titles = seriesColumnTitles();
    return static_cast<std::size_t>(std::find(titles.begin(), titles.end(), title) - titles.begin());
}

PeriodTable table(CivilTime from, CivilTime to, PeriodStep step, ObserverPosition where = {"48", "51", "2", "21"})
{
    const auto made = PeriodTable::make(from, to, step, where, '.');
    EXPECT_TRUE(made.ok()) << made.error();
    return made.value();
}

// B0 over a year, daily: from -7.25° in early March to +7.25° in early
// September (the inclination of the solar equator, 7.25°, seen from the
// Earth's orbit; the extremes fall about 6 March and 8 September).
TEST(PeriodSeries, B0OverAYearSwingsBetweenTheSolarEquatorsInclinations)
{
    const PeriodSeries b0 = periodSeries(table({2027, 1, 1, 12, 0}, {2027, 12, 31, 12, 0}, {1, StepUnit::Days}),
                                         columnNamed("Latitude héliocentrique B0 (°)"), 1000);
    ASSERT_EQ(b0.points.size(), 365u);
    const auto [low, high] = std::minmax_element(b0.points.begin(), b0.points.end(),
                                                 [](const auto &a, const auto &b) { return a.value < b.value; });
    EXPECT_NEAR(low->value, -7.25, 0.05);
    EXPECT_NEAR(high->value, 7.25, 0.05);
    EXPECT_EQ(civilTimeOf(low->instant).month, 3u);
    EXPECT_NEAR(civilTimeOf(low->instant).day, 6, 3);
    EXPECT_EQ(civilTimeOf(high->instant).month, 9u);
    EXPECT_NEAR(civilTimeOf(high->instant).day, 8, 3);
}

// The rise at Paris on 21 June 2027, 03:46:55 UT in the independent table of
// tests/data/sun_day_reference.py (±1 min); none at 78° N, where the Sun does not set.
TEST(PeriodSeries, DayColumnsHaveNoValueWithoutTheEvent)
{
    const CivilTime june21{2027, 6, 21, 12, 0};
    const PeriodSeries paris = periodSeries(table(june21, june21, {1, StepUnit::Days}), columnNamed("Lever (h TU)"), 10);
    ASSERT_EQ(paris.points.size(), 1u);
    EXPECT_NEAR(paris.points[0].value, 3 + 46 / 60.0 + 55 / 3600.0, 1 / 60.0);
    const PeriodSeries polar = periodSeries(table(june21, june21, {1, StepUnit::Days}, {"78", "0", "15", "0"}),
                                            columnNamed("Lever (h TU)"), 10);
    EXPECT_TRUE(polar.points.empty());
    const PeriodSeries length = periodSeries(table(june21, june21, {1, StepUnit::Days}, {"78", "0", "15", "0"}),
                                             columnNamed("Durée du jour (h)"), 10);
    ASSERT_EQ(length.points.size(), 1u);
    EXPECT_EQ(length.points[0].value, 24.0);
}

// A long table is thinned to about the points asked for, its two ends kept.
TEST(PeriodSeries, LongTablesAreThinnedEndsIncluded)
{
    const PeriodTable rows = table({2027, 1, 1, 0, 0}, {2027, 1, 7, 22, 40}, {1, StepUnit::Minutes});
    ASSERT_EQ(rows.rowCount(), 10001u);
    const PeriodSeries thinned = periodSeries(rows, columnNamed("Hauteur (°)"), 1000);
    EXPECT_EQ(thinned.rowStep, 11u);
    EXPECT_LE(thinned.points.size(), 1001u);
    EXPECT_EQ(thinned.points.front().instant, rows.instant(0));
    EXPECT_EQ(thinned.points.back().instant, rows.instant(10000));
    EXPECT_EQ(thinned.points[1].instant, rows.instant(11));
}

} // namespace
} // namespace brelo
