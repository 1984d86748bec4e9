#pragma once

#include "core/ephemeris/period_table.h"

#include <string>
#include <vector>

namespace brelo {

// The aligned text keeps the page's texts; CSV cells are bare numbers, their
// unit in the column's heading ("Déclinaison (°)").
enum class TableForm { Text, Csv };

// Column headings of brelo-ephem's table; the local-time column only when a
// zone is given (its heading names the zone).
std::vector<std::string> ephemTableHeadings(const std::string &zoneName, TableForm form);

// A row's cells for the CSV: each number without the unit its heading names
// ("-23.072°" gives "-23.072"). The first `dateColumns` cells stay as they are.
std::vector<std::string> csvCells(std::vector<std::string> cells, std::size_t dateColumns);

// The cells of one row: the UT date and time, the local time when given, then
// the ten texts of the ephemeris page without their labels ("-23.072°",
// "179.237° = 11 h 56 '", "0.983 U.A."), then the Carrington rotation.
std::vector<std::string> ephemTableCells(const PeriodRow &row, const std::string &localTime,
                                         bool withLocalTime, char decimalSeparator);

// The text after a label's "= ": what the label shows without its caption.
std::string withoutLabel(const std::string &labelText);

// Fixed column widths, wide enough for every text of each column and for its
// heading, so the table can be written row by row. Widths count characters.
std::vector<std::size_t> columnWidths(const std::vector<std::string> &headings,
                                      std::size_t dateColumns);

// Cells padded to their widths, two blanks apart, ended by "\n": the first
// `dateColumns` on the left, the numbers on the right.
std::string alignedLine(const std::vector<std::string> &cells,
                        const std::vector<std::size_t> &widths, std::size_t dateColumns);

} // namespace brelo
