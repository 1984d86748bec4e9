#include "core/common/number_text.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace brelo {

SignificantDigits significantDigits(double magnitude, int count)
{
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, count - 1);
    const std::string scientific(buffer, result.ptr);  // "d.ddde±X"
    const auto e = scientific.find('e');
    SignificantDigits number;
    number.digits = scientific.substr(0, 1) + (e > 2 ? scientific.substr(2, e - 2) : std::string());
    number.exponent = std::atoi(scientific.c_str() + e + 1);
    while (number.digits.size() > 1 && number.digits.back() == '0')
        number.digits.pop_back();
    return number;
}

std::string plainForm(const SignificantDigits &number, bool negative, char decimalSeparator)
{
    const std::string &digits = number.digits;
    std::string text = negative ? "-" : "";
    if (number.exponent >= 0) {
        const auto integerCount = static_cast<std::size_t>(number.exponent) + 1;
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
        text += std::string(static_cast<std::size_t>(-number.exponent - 1), '0');
        text += digits;
    }
    return text;
}

std::string numberText(float value, char decimalSeparator)
{
    assert(std::isfinite(value));
    if (value == 0.0f)
        return "0";  // also for -0

    // Seven significant digits of the float's exact value (widening is exact).
    const SignificantDigits number = significantDigits(std::fabs(static_cast<double>(value)), 7);
    if (number.exponent < 7)
        return plainForm(number, value < 0, decimalSeparator);

    std::string text = value < 0 ? "-" : "";
    text += number.digits[0];
    if (number.digits.size() > 1) {
        text += decimalSeparator;
        text += number.digits.substr(1);
    }
    text += number.exponent >= 10 ? "E+" : "E+0";
    text += std::to_string(number.exponent);
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
