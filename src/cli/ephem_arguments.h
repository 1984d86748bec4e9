#pragma once

#include "core/common/outcome.h"
#include "core/ephemeris/period_table.h"

#include <string>
#include <string_view>

namespace brelo {

// An angle argument as the panel's two fields would hold it: "48.85" gives
// degrees "48.85" and minutes "0"; "48:51" gives "48" and "51"; "-0:34" gives
// "-0" and "34" (the minutes take the sign of the degrees, so this is 0° 34′
// West). Either '.' or ',' is accepted as the decimal mark in the argument; the
// texts come out with `decimalSeparator`, as the panel would hold them.
// Decimal degrees with minutes ("48.5:30") are refused: they mean nothing sure.
struct AngleFields {
    std::string degrees;
    std::string minutes;
};

// `name` is the French name used in messages ("la latitude", a source text of
// the "fields" context); `limit` the
// largest magnitude allowed (90 or 180).
Outcome<AngleFields> angleFields(std::string_view text, const char *name, double limit,
                                 char decimalSeparator);

// "10min", "2h", "1d" (also "10 min", "3j", "1jour", "2heures"…): a whole
// count of at least 1 and a unit.
Outcome<PeriodStep> periodStep(std::string_view text);

// "2027-03-20T06:00", "2027-03-20 06:00" or "2027-03-20" (midnight): the
// civil date and time, checked to exist. `name` is used in messages ("--from").
Outcome<CivilTime> civilTime(std::string_view text, const char *name);

} // namespace brelo
