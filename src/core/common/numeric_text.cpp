#include "core/common/numeric_text.h"

#include "core/common/translate.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

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

// The text in C-locale form for from_chars, with what tells an overflow from an
// underflow when from_chars reports either.
struct PlainNumber {
    std::string text;
    bool negative = false;
    std::string mantissaDigits;   // integer and fraction digits, in order
    long long integerDigits = 0;  // how many of them stand before the separator
    long long exponent = 0;
};

// "e", an optional sign and digits, from text[i]; false when no digit follows.
bool readExponent(std::string_view text, std::size_t &i, PlainNumber &number)
{
    number.text += 'e';
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        number.text += text[i];
        ++i;
    }
    const std::size_t start = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        number.text += text[i];
        if (number.exponent < 1'000'000'000)  // saturate: only the order of magnitude matters
            number.exponent = number.exponent * 10 + (text[i] - '0');
    }
    if (negative)
        number.exponent = -number.exponent;
    return i != start;
}

// Validates the syntax ourselves: from_chars is locale-independent, but it
// would also accept "inf" and "nan". `isSeparator` says which characters mark the decimals.
template <class IsSeparator>
std::optional<PlainNumber> plainNumber(std::string_view text, IsSeparator isSeparator)
{
    PlainNumber number;
    number.text.reserve(text.size());
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        number.negative = text[i] == '-';
        if (number.negative)
            number.text += '-';
        ++i;
    }
    bool seenSeparator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            number.mantissaDigits += c;
            if (!seenSeparator)
                ++number.integerDigits;
            number.text += c;
        } else if (isSeparator(c) && !seenSeparator) {
            seenSeparator = true;
            number.text += '.';
        } else {
            break;
        }
    }
    if (number.mantissaDigits.empty())
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E') && !readExponent(text, i, number))
        return std::nullopt;
    if (i != text.size())
        return std::nullopt;
    return number;
}

NumericText converted(const PlainNumber &number)
{
    double value = 0.0;
    const std::string &plain = number.text;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range; tell overflow from underflow
        // by the decimal order of magnitude of the first non-zero digit.
        const auto firstNonZero = number.mantissaDigits.find_first_not_of('0');
        const long long order =
            number.integerDigits - static_cast<long long>(firstNonZero) - 1 + number.exponent;
        if (order >= 0)
            return {0.0, NumericTextError::TooLarge};
        return {number.negative ? -0.0 : 0.0, NumericTextError::None};
    }
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return {0.0, NumericTextError::NotANumber};
    return {value, NumericTextError::None};
}

template <class IsSeparator>
NumericText readWith(std::string_view text, IsSeparator isSeparator)
{
    text = trimmed(text);
    if (text.empty())
        return {0.0, NumericTextError::Empty};
    const std::optional<PlainNumber> number = plainNumber(text, isSeparator);
    if (!number)
        return {0.0, NumericTextError::NotANumber};
    return converted(*number);
}

} // namespace

NumericText readNumber(std::string_view text)
{
    return readWith(text, [](char c) { return c == '.' || c == ','; });
}

NumericText readNumberWith(std::string_view text, char separator)
{
    return readWith(text, [separator](char c) { return c == separator; });
}

std::string quotedText(std::string_view text)
{
    bool quotable = !trimmed(text).empty() && text.size() <= 24;
    for (const unsigned char c : text)
        quotable = quotable && c >= 0x20 && c != 0x7f;
    return quotable ? filled(translated("numbers", " (« %1 »)"), {text}) : std::string();
}

std::string fieldProblem(const char *fieldName, std::string_view text, NumericTextError error)
{
    return fieldProblem(fieldName, text, error, genderOfName(fieldName));
}

std::string fieldProblem(const char *fieldName, std::string_view text, NumericTextError error, Gender gender)
{
    // %1 the field's name, %2 what was typed, quoted.
    const char *pattern = "";
    switch (error) {
    case NumericTextError::None:
        return {};
    case NumericTextError::Empty:
        pattern = QT_TRANSLATE_NOOP("numbers", "%1%2 est vide.");
        break;
    case NumericTextError::NotANumber:
        pattern = QT_TRANSLATE_NOOP("numbers", "%1%2 n'est pas un nombre (séparateur décimal : point ou virgule).");
        break;
    case NumericTextError::TooLarge:
        pattern = gender == Gender::Feminine ? QT_TRANSLATE_NOOP("numbers", "%1%2 est trop grande.")
                                             : QT_TRANSLATE_NOOP("numbers", "%1%2 est trop grand.");
        break;
    }
    return filled(translated("numbers", pattern), {translated("fields", fieldName), quotedText(text)});
}

} // namespace brelo
