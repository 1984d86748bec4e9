#include "core/formats/csv_writer.h"

#include "core/common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace brelo {

namespace {

constexpr int kLowestPlainExponent = -7;
constexpr int kHighestPlainExponent = 15;

} // namespace

std::string csvField(std::string_view text, char separator)
{
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvLine(const std::vector<std::string> &cells, char separator)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += separator;
        line += csvField(cells[i], separator);
    }
    return line + "\r\n";
}

char csvSeparatorFor(char decimalSeparator) { return decimalSeparator == ',' ? ';' : ','; }

namespace {

// The shortest digits that read back to the same value of its own type, plain
// or with an exponent.
template <class Real>
std::string shortestText(Real value, char decimalSeparator)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";

    // Shortest round-trip digits, as "d.ddde±X".
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific).ptr;
    const std::string scientific(buffer, end);
    const auto e = scientific.find('e');
    SignificantDigits number;
    number.digits = scientific.substr(0, 1) + (e > 2 ? scientific.substr(2, e - 2) : std::string());
    number.exponent = std::atoi(scientific.c_str() + e + 1);

    const bool negative = value < 0;
    if (number.exponent >= kLowestPlainExponent && number.exponent <= kHighestPlainExponent)
        return plainForm(number, negative, decimalSeparator);
    std::string text = negative ? "-" : "";
    text += number.digits[0];
    if (number.digits.size() > 1) {
        text += decimalSeparator;
        text += number.digits.substr(1);
    }
    const int magnitude = std::abs(number.exponent);
    text += number.exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

} // namespace

std::string fullPrecisionText(double value, char decimalSeparator)
{
    return shortestText(value, decimalSeparator);
}

std::string fullPrecisionText(float value, char decimalSeparator)
{
    return shortestText(value, decimalSeparator);
}

} // namespace brelo
