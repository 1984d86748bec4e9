#pragma once

#include "core/common/outcome.h"
#include "core/formats/params_file.h"

#include <string>

namespace brelo {

// French name of field `index` (0-12) as the window labels it, with its
// article: "la focale de O1", "le diamètre de O3'", "la latitude (degrés)"; a
// source text of the "fields" context.
const char *paramsFieldName(int index);

// The brelo.dat text of the thirteen box texts: one value per line, decimal
// point whatever the locale, "-0" kept. Reading it back with the same separator
// gives the same texts, except that a number written in a longer plain form than
// the file gives ("0,50", "+3", "007") comes back in its short form ("0,5").
// A box that is not a number refuses the whole file: the message names the
// first such field and quotes its text ("la focale de O1 (« abc ») n'est pas
// un nombre.").
Outcome<std::string> paramsFileText(const ParamsFields &texts, char decimalSeparator);

} // namespace brelo
