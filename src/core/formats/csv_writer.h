#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brelo {

// One cell, in double quotes (inner quotes doubled) when it holds the separator,
// a quote or a line break.
std::string csvField(std::string_view text, char separator);

// One row of cells, ended by "\r\n".
std::string csvLine(const std::vector<std::string> &cells, char separator);

// ';' beside a decimal comma, as French spreadsheets expect; ',' otherwise.
char csvSeparatorFor(char decimalSeparator);

// The shortest text that reads back to the same double: plain form for decimal
// exponents from -7 to 15 ("2461106,5", "0,0012"), else "1,5E-12"; "-0" keeps
// its sign. Empty for a value that is not finite.
std::string fullPrecisionText(double value, char decimalSeparator);

// The same for a single-precision quantity: the shortest text that reads back
// to the same float ("-22.84152", not the widened double's "-22.841520309448242").
std::string fullPrecisionText(float value, char decimalSeparator);

} // namespace brelo
