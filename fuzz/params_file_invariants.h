#pragma once

#include "core/common/numeric_text.h"
#include "core/formats/params_file.h"

#include <string>
#include <string_view>

namespace brelo {

// What must hold for any brelo.dat, whatever its bytes: the outcome is a full
// set of thirteen fields or a French refusal, a message is French, and the
// locale's separator only changes how the number fields are written. Returns
// the first broken rule, or "".
inline std::string paramsFileViolation(std::string_view contents)
{
    const auto point = parseParamsFile(contents, '.');
    const auto comma = parseParamsFile(contents, ',');
    if (point.fields.has_value() != comma.fields.has_value() || point.message != comma.message)
        return "the decimal separator changed whether the file is accepted or what is said";
    if (!point.message.empty() && point.message.rfind("brelo.dat ", 0) != 0)
        return "message without its French prefix: " + point.message;
    if (!point.fields) {
        if (point.message.rfind("brelo.dat ignoré : ", 0) != 0)
            return "refusal without its French message: " + point.message;
        return {};
    }
    for (std::size_t i = 0; i < (*point.fields).size(); ++i) {
        const std::string &withPoint = (*point.fields)[i];
        const std::string &withComma = (*comma.fields)[i];
        if (withPoint == withComma)
            continue;
        // Only a written number may differ, and only by its one decimal separator.
        const auto at = withPoint.find('.');
        if (at == std::string::npos || withPoint.find('.', at + 1) != std::string::npos)
            return "field " + std::to_string(i + 1) + " differs without a decimal point";
        std::string expected = withPoint;
        expected[at] = ',';
        if (expected != withComma)
            return "field " + std::to_string(i + 1) + " differs beyond its separator";
        // A number beyond the double range stays as typed: the window then says it is too large.
        const auto readsBack = [](const std::string &text, char separator) {
            const NumericText read = readNumber(text, separator);
            return read.ok() || read.error == NumericTextError::TooLarge;
        };
        if (!readsBack(withComma, ',') || !readsBack(withPoint, '.'))
            return "field " + std::to_string(i + 1) + " written as a number that does not read back";
    }
    return {};
}

} // namespace brelo
