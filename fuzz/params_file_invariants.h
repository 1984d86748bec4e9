#pragma once

#include "common/numeric_text.h"
#include "shell/params_file.h"

#include <string>
#include <string_view>

namespace brelo {

// What must hold for any brelo.dat, whatever its bytes: the outcome is a full
// set of thirteen fields or a French refusal, and the locale's separator only
// changes how the number fields are written. Returns the first broken rule, or "".
inline std::string paramsFileViolation(std::string_view contents)
{
    const auto point = parseParamsFile(contents, '.');
    const auto comma = parseParamsFile(contents, ',');
    if (point.ok() != comma.ok())
        return "the decimal separator changed whether the file is accepted";
    if (!point.ok()) {
        const std::string prefix = "brelo.dat ignoré : ";
        if (point.error().compare(0, prefix.size(), prefix) != 0 || point.error() != comma.error())
            return "refusal without its French message: " + point.error();
        return {};
    }
    if (!point.error().empty())
        return "accepted file with a message";
    for (std::size_t i = 0; i < point.value().size(); ++i) {
        const std::string &withPoint = point.value()[i];
        const std::string &withComma = comma.value()[i];
        if (withPoint == withComma)
            continue;
        // Only a written number may differ, and only by its one decimal separator.
        if (i == 8)
            return "field 9 depends on the locale";
        const auto at = withPoint.find('.');
        if (at == std::string::npos || withPoint.find('.', at + 1) != std::string::npos)
            return "field " + std::to_string(i + 1) + " differs without a decimal point";
        std::string expected = withPoint;
        expected[at] = ',';
        if (expected != withComma)
            return "field " + std::to_string(i + 1) + " differs beyond its separator";
        if (!readNumber(withComma, ',').ok() || !readNumber(withPoint, '.').ok())
            return "field " + std::to_string(i + 1) + " written as a number that does not read back";
    }
    return {};
}

} // namespace brelo
