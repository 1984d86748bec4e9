#include "common/number_text.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace brelo {

std::string numberText(float value, char decimalSeparator)
{
    assert(std::isfinite(value));
    if (value == 0.0f)
        return "0";  // also for -0

    // Seven significant digits of the float's exact value: "d.dddddde±X".
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 6);
    const std::string scientific(buffer, result.ptr);
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, 6);
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent >= 7) {
        text += digits[0];
        if (digits.size() > 1) {
            text += decimalSeparator;
            text += digits.substr(1);
        }
        text += exponent >= 10 ? "E+" : "E+0";
        text += std::to_string(exponent);
    } else if (exponent >= 0) {
        const auto integerCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerCount) {
            text += digits + std::string(integerCount - digits.size(), '0');
        } else {
            text += digits.substr(0, integerCount);
            text += decimalSeparator;
            text += digits.substr(integerCount);
        }
    } else {
        text += '0';
        text += decimalSeparator;
        text += std::string(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

std::string wholeText(double value)
{
    assert(std::isfinite(value));
    if (value == 0.0)
        return "0";
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

} // namespace brelo
