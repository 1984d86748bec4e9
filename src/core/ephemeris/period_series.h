#pragma once

#include "core/ephemeris/period_table.h"
#include "core/ephemeris/sun_day.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace brelo {

// The period table's columns that a chart can draw, as numbers: the page's
// ten values unrounded (the right ascension in hours), the Carrington rotation
// with its fraction, then the Sun's day of the row's UT date: rise, transit
// and set in hours from 0 h UT of that date, the altitude at transit and the
// day length in hours.
std::vector<std::string> seriesColumnTitles();

// One column's value for a row and the Sun's day of its date; none when the
// day has no such event (no rise on a polar day) or could not be computed.
std::optional<double> seriesValue(const PeriodRow &row, const std::optional<SunDay> &day, std::size_t column);

// The Sun's day of row i's UT date at the row's place, as the period table's
// day columns show it.
Outcome<SunDay> sunDayOfRow(const PeriodTable &table, std::size_t i);

struct SeriesPoint {
    UtMinutes instant;
    double value = 0.0;
};

struct PeriodSeries {
    std::vector<SeriesPoint> points;
    std::size_t rowStep = 1;  // every rowStep-th row is drawn, when the table has more rows than asked for
};

// A column over the period, at most about `maxPoints` points (the first and
// the last row always among them); rows that cannot be computed are left out.
PeriodSeries periodSeries(const PeriodTable &table, std::size_t column, std::size_t maxPoints);

} // namespace brelo
