#pragma once

#include "cli/ephem_command_line.h"
#include "core/ephemeris/period_days.h"

#include <functional>
#include <string>

namespace brelo {

// Where brelo-ephem's lines go: the table to the standard output, messages to the error output.
struct TableOutput {
    std::function<void(const std::string &)> put;
    std::function<void(const std::string &)> say;
};

// The days from the date of --from to that of --to, for the place asked.
Outcome<PeriodDays> periodDaysOf(const EphemRequest &request, char decimalSeparator);

// brelo-ephem --days: the heading, then one line per day, with the local times
// when a zone is given. 1 when a day could not be computed (said on its line
// and through `say`), else 0.
int writeDaysTable(const PeriodDays &days, const EphemRequest &request, char decimalSeparator,
                   const TableOutput &out);

} // namespace brelo
