#pragma once

#include "core/common/outcome.h"
#include "core/ephemeris/calculephem.h"

#include <string>

namespace brelo {

// The nine fields of the ephemeris panel, in the order the computation reads
// them: when several are faulty, the first one read is the one named.
enum class PanelField {
    Day, Month, Year, Hour, Minute,
    LatitudeMinutes, LatitudeDegrees, LongitudeMinutes, LongitudeDegrees,
};

// The text a field holds.
const std::string &panelText(const EphemerisInput &input, PanelField field);

// The field's French name as the messages give it ("le jour", "la latitude
// (degrés)"), a source text of the "fields" context.
const char *panelFieldName(PanelField field);

// The field's text as a number, or "Calcul impossible : le jour (« abc ») n'est
// pas un nombre." naming the field, quoting what was typed and saying why.
Outcome<double> readPanelField(const EphemerisInput &input, PanelField field, char decimalSeparator);

} // namespace brelo
