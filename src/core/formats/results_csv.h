#pragma once

#include "core/ephemeris/calculephem.h"
#include "core/optics/builder_numbers.h"
#include "core/optics/calcul.h"
#include "core/optics/panel_texts.h"

#include <string>

namespace brelo {

// The results of the latest run as CSV (UTF-8, "\r\n" lines), one header row
// "Grandeur", "Texte affiché", "Valeur", then one row per quantity. ';' between
// cells and a decimal comma when the decimal separator is ',', else ',' and a
// point. The value column holds a number a spreadsheet can read, or nothing.

// Optics: the nine inputs, the seven result labels, the remark and the 24 + 24
// rows of the yearly tables; the value is the number each text shows. With the
// builder's numbers of the same run, then the camera's three inputs and the
// builder's rows (builder_rows.h), each value the number its text shows.
std::string resultsCsv(const OpticsPanelTexts &inputs, const OpticsResult &result, char decimalSeparator,
                       const BuilderResult *builder = nullptr);

// Ephemeris: the nine inputs, the Julian Day, and the ten labels each beside
// its unrounded value (shortest text that reads back to the same double).
std::string resultsCsv(const EphemerisInput &inputs, const EphemerisResult &result, char decimalSeparator);

} // namespace brelo
