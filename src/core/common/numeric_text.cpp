#include "core/common/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace brelo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

NumericText readNumber(std::string_view text, char decimalSeparator)
{
    text = trimmed(text);
    if (text.empty())
        return {0.0, NumericTextError::Empty};

    // Validate the syntax ourselves and hand from_chars a C-locale copy: it is
    // locale-independent, but it would also accept "inf" and "nan".
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        if (negative)
            plain += '-';
        ++i;
    }
    std::string mantissaDigits;   // integer and fraction digits, in order
    long long integerDigits = 0;  // how many of them stand before the separator
    bool seenSeparator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            mantissaDigits += c;
            if (!seenSeparator)
                ++integerDigits;
            plain += c;
        } else if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits.empty())
        return {0.0, NumericTextError::NotANumber};

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        bool exponentNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            plain += text[i];
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            plain += text[i];
            if (exponent < 1'000'000'000)  // saturate: only the order of magnitude matters
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == exponentStart)
            return {0.0, NumericTextError::NotANumber};
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != text.size())
        return {0.0, NumericTextError::NotANumber};

    double value = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range; tell overflow from underflow
        // by the decimal order of magnitude of the first non-zero digit.
        const auto firstNonZero = mantissaDigits.find_first_not_of('0');
        const long long order = integerDigits - static_cast<long long>(firstNonZero) - 1 + exponent;
        if (order >= 0)
            return {0.0, NumericTextError::TooLarge};
        return {negative ? -0.0 : 0.0, NumericTextError::None};
    }
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return {0.0, NumericTextError::NotANumber};
    return {value, NumericTextError::None};
}

std::string numericTextReason(NumericTextError error, Gender subject)
{
    switch (error) {
    case NumericTextError::None:
        return {};
    case NumericTextError::Empty:
        return "est vide";
    case NumericTextError::NotANumber:
        return "n'est pas un nombre";
    case NumericTextError::TooLarge:
        return subject == Gender::Feminine ? "est trop grande" : "est trop grand";
    }
    return {};
}

std::string fieldProblem(std::string_view fieldName, std::string_view text, NumericTextError error)
{
    return fieldProblem(fieldName, text, error, genderOfName(fieldName));
}

std::string fieldProblem(std::string_view fieldName, std::string_view text, NumericTextError error,
                         Gender gender)
{
    std::string message(fieldName);
    bool quotable = error != NumericTextError::Empty && text.size() <= 24;
    for (const unsigned char c : text)
        quotable = quotable && c >= 0x20 && c != 0x7f;
    if (quotable)
        message += " (« " + std::string(text) + " »)";
    return message + " " + numericTextReason(error, gender) + ".";
}

} // namespace brelo
