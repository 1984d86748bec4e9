#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace brelo {

inline constexpr int kParamsFieldCount = 13;

// The texts of Txtfoco1, Txtdo1, Txtfoco2, Txtdo2, Txtdiscoc, Txtfoco3a,
// Txtdo3a, Txtfoco3b, Txtdo3b, txtlatideg, txtlatimin, txtlongideg, txtlongimin.
using ParamsFields = std::array<std::string, kParamsFieldCount>;

// What a brelo.dat text gives: the thirteen texts, or none when the file is
// refused, and a French message for the user ("" when there is nothing to say).
// A file with more than thirteen values is still read, with a message.
struct ParamsRead {
    std::optional<ParamsFields> fields;
    std::string message;
};

// Reads the thirteen fields of a brelo.dat text (already decoded to UTF-8).
// Fewer than thirteen fields, or thirteen empty ones, refuse the file.
ParamsRead parseParamsFile(std::string_view contents, char decimalSeparator);

// The text an unquoted field of the file gives in its box. A number with at
// most 15 significant digits is written in plain form with the given separator
// ("1000.0" gives "1000", "-0" stays "-0"); a number the plain form cannot carry
// exactly (an exponent, more digits, beyond the plain range) keeps its text with
// only the decimal point changed; anything else is copied as it stands.
std::string paramsFieldText(std::string_view field, char decimalSeparator);

} // namespace brelo
