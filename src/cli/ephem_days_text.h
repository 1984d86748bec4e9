#pragma once

#include "cli/ephem_table_text.h"
#include "core/ephemeris/sun_day.h"

#include <string>
#include <vector>

namespace brelo {

// brelo-ephem --days: one row per day, the date, then rise, transit and set in
// UT, the altitude at transit and the day length; with a zone, the three
// times again in local time at the end.
std::vector<std::string> daysTableHeadings(const std::string &zoneName, TableForm form);

// The UT cells of a day. Text: the window's texts ("03:46:57 TU",
// "20:59:51 TU (la veille)", "64.587°", "16 h 10 min 53 s", or the polar
// words). CSV: date and time "2027-06-21 03:46:57" (or the words), the
// altitude and the length in hours as bare numbers.
std::vector<std::string> daysTableCells(const SunDay &day, TableForm form, char decimalSeparator);

// Column widths for alignedLine, wide enough for the longest words.
std::vector<std::size_t> daysColumnWidths(const std::vector<std::string> &headings);

} // namespace brelo
