#pragma once

#include <string>

namespace brelo {

// Text of a single-precision value as a label shows it: at most 7 significant
// digits, no trailing zeros, no separator for whole values, "-" for negatives,
// "0" before the separator below 1, never "-0". Only a value that needs more than
// 7 digits before the separator takes an exponent form ("1,234568E+07").
// The value must be finite.
std::string numberText(float value, char decimalSeparator);

// The significant digits of a positive finite magnitude rounded to `count`
// digits, trailing zeros dropped, and the decimal exponent of the first one.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};
SignificantDigits significantDigits(double magnitude, int count);

// Those digits written out in plain form: "1234,5", "0,00123", "1200".
std::string plainForm(const SignificantDigits &number, bool negative, char decimalSeparator);

// Text of a whole-valued double without decimal part ("13", "-1", "0").
std::string wholeText(double value);

} // namespace brelo
