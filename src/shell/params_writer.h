#pragma once

#include "common/outcome.h"
#include "shell/params_file.h"

#include <string>

namespace brelo {

// The brelo.dat text of the thirteen box texts: one value per line, a decimal
// point whatever the locale, "-0" kept. A text that is not a number refuses the
// whole file with a French message naming the field as the window labels it.
Outcome<std::string> paramsFileText(const ParamsFields &texts, char decimalSeparator);

// French name of field i (0 to 12), e.g. "la focale de O1", "la latitude (degrés)".
const char *paramsFieldName(int index);

} // namespace brelo
