#include "shell/params_file.h"

#include "common/number_text.h"
#include "common/numeric_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace brelo {

namespace {

// Field 9 (Txtdo3b) is always copied as text: "50.0" stays "50.0".
constexpr int kVerbatimField = 8;

// A number keeps 15 significant digits, as a double can carry them back exactly.
constexpr int kSignificantDigits = 15;

// Plain form only for decimal exponents in this range (1e-15 up to 999999999999999):
// beyond it the plain text would be a long run of zeros that the file never
// wrote, so the field keeps the text as typed (readNumber reads it the same).
constexpr int kLowestExponent = -15;
constexpr int kHighestExponent = 14;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLineBreak(char c) { return c == '\n' || c == '\r'; }
bool isSeparator(char c) { return c == ',' || isLineBreak(c); }

std::string_view trimmedRight(std::string_view text)
{
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Optional sign, digits with at most one period, at least one digit; no exponent.
bool isPlainNumber(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    bool period = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !period)
            period = true;
        else
            return false;
    }
    return digits;
}

// The plain text of a number field, or nothing when the value is out of the
// plain range (see kLowestExponent).
std::optional<std::string> plainNumberText(std::string_view field, char decimalSeparator)
{
    // The field's syntax is already checked; the file always writes a period.
    const NumericText read = readNumber(field, '.');
    if (!read.ok())
        return std::nullopt;  // beyond the double range
    const double value = read.value;
    if (value == 0.0) {
        // A non-zero digit read as 0 lies below the double range: keep the text.
        if (field.find_first_of("123456789") != std::string_view::npos)
            return std::nullopt;
        return std::string("0");  // "-0" and "-0.000" too
    }

    const SignificantDigits number = significantDigits(std::fabs(value), kSignificantDigits);
    if (number.exponent < kLowestExponent || number.exponent > kHighestExponent)
        return std::nullopt;
    return plainForm(number, value < 0, decimalSeparator);
}

struct RawField {
    std::string_view text;
    bool quoted = false;
};

// Splits off the fields one by one. Each comma and each line break (CRLF, LF
// or CR alone) ends a field, so a line break right after a comma, or a blank
// line, makes an empty field; the end of the text after a separator starts none.
class FieldReader {
public:
    explicit FieldReader(std::string_view contents) : text_(contents)
    {
        constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";  // left by some editors
        if (text_.substr(0, byteOrderMark.size()) == byteOrderMark)
            pos_ = byteOrderMark.size();
        done_ = pos_ == text_.size();
    }

    std::optional<RawField> next()
    {
        if (done_)
            return std::nullopt;
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;

        RawField field;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            // Quoted text runs to the next quote (or the end); whatever follows
            // the closing quote up to the separator is dropped.
            const std::size_t start = pos_ + 1;
            const std::size_t close = std::min(text_.find('"', start), text_.size());
            field = {text_.substr(start, close - start), true};
            pos_ = std::min(close + 1, text_.size());
            while (pos_ < text_.size() && !isSeparator(text_[pos_]))
                ++pos_;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && !isSeparator(text_[pos_]))
                ++pos_;
            field = {trimmedRight(text_.substr(start, pos_ - start)), false};
        }

        if (pos_ < text_.size()) {
            if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
                ++pos_;
            ++pos_;
        }
        done_ = pos_ == text_.size();
        return field;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    bool done_ = false;
};

std::string fieldText(const RawField &field, int index, char decimalSeparator)
{
    if (field.quoted || index == kVerbatimField || !isPlainNumber(field.text))
        return std::string(field.text);
    if (auto plain = plainNumberText(field.text, decimalSeparator))
        return *plain;
    return std::string(field.text);
}

std::string countMessage(int found)
{
    std::string counted;
    if (found == 0)
        counted = "aucune valeur trouvée";
    else if (found == 1)
        counted = "1 valeur trouvée";
    else
        counted = std::to_string(found) + " valeurs trouvées";
    return "brelo.dat ignoré : " + counted + ", " + std::to_string(kParamsFieldCount) + " attendues.";
}

} // namespace

Outcome<ParamsFields> parseParamsFile(std::string_view contents, char decimalSeparator)
{
    ParamsFields fields;
    FieldReader reader(contents);
    int count = 0;
    for (; count < kParamsFieldCount; ++count) {
        const auto field = reader.next();
        if (!field)
            break;
        fields[static_cast<std::size_t>(count)] = fieldText(*field, count, decimalSeparator);
    }
    if (count < kParamsFieldCount)
        return Outcome<ParamsFields>::failure(countMessage(count));
    return Outcome<ParamsFields>::success(std::move(fields));
}

} // namespace brelo
