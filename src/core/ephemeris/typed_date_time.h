#pragma once

#include "core/common/outcome.h"
#include "core/ephemeris/period_table.h"

#include <string>
#include <string_view>

namespace brelo {

// A date and time as the period dialog writes them: "05/03/2027 08:00".
std::string typedDateTimeText(const CivilTime &civil);

// Such a text as typed: day and month of one or two digits, an astronomical
// year (0 is 1 BC), hours 0-23 and minutes 0-59; blanks around it allowed.
// Otherwise a message that starts with `subject` ("Le début de la période",
// in the language chosen) and quotes the text: « Le début de la période (« 31/04/2027 08:00 »)
// n'existe pas : avril 2027 compte 30 jours. »
Outcome<CivilTime> readTypedDateTime(std::string_view text, std::string_view subject);

} // namespace brelo
