#pragma once

#include "core/common/outcome.h"
#include "core/ephemeris/period_table.h"
#include "core/ephemeris/sun_day.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace brelo {

// The Sun's days of a period, one a row from a first to a last UT date, for
// the observer's place; each day is computed only when asked for.
class PeriodDays {
public:
    static constexpr std::size_t kMaxRows = PeriodTable::kMaxRows;

    // A French message when the period cannot be tabulated: the last date
    // before the first, more than kMaxRows days, a place that is not one, or
    // an end beyond the years sunDay accepts.
    static Outcome<PeriodDays> make(std::chrono::sys_days first, std::chrono::sys_days last,
                                    const ObserverPosition &observer, char decimalSeparator);

    std::size_t rowCount() const { return rows_; }
    std::chrono::sys_days date(std::size_t row) const { return first_ + std::chrono::days{row}; }
    Outcome<SunDay> day(std::size_t row) const { return sunDay(place_, date(row), separator_); }
    const DayPlace &place() const { return place_; }

private:
    PeriodDays(std::chrono::sys_days first, std::size_t rows, DayPlace place, char separator)
        : first_(first), rows_(rows), place_(place), separator_(separator) {}

    std::chrono::sys_days first_;
    std::size_t rows_;
    DayPlace place_;
    char separator_;
};

// "2027-06-21".
std::string dateText(std::chrono::sys_days date);

} // namespace brelo
