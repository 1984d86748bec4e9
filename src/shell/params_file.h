#pragma once

#include "common/outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace brelo {

inline constexpr int kParamsFieldCount = 13;

// The texts of Txtfoco1, Txtdo1, Txtfoco2, Txtdo2, Txtdiscoc, Txtfoco3a,
// Txtdo3a, Txtfoco3b, Txtdo3b, txtlatideg, txtlatimin, txtlongideg, txtlongimin.
using ParamsFields = std::array<std::string, kParamsFieldCount>;

// Reads the thirteen fields of a brelo.dat text (already decoded to UTF-8).
// Numbers are written back in plain form with the given decimal separator
// (field 9 stays verbatim). Fewer than thirteen fields is an error whose French
// message says how many were found.
Outcome<ParamsFields> parseParamsFile(std::string_view contents, char decimalSeparator);

} // namespace brelo
