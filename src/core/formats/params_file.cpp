#include "core/formats/params_file.h"

#include "core/common/number_text.h"
#include "core/common/numeric_text.h"
#include "core/common/translate.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace brelo {

namespace {

// A number keeps 15 significant digits, as a double can carry them back exactly.
constexpr int kSignificantDigits = 15;

// Plain form only for decimal exponents in this range (1e-15 up to 999999999999999):
// beyond it the plain text would be a long run of zeros that the file never
// wrote, so the field keeps the text as typed (the window reads it the same).
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

// The shape of a number in the file: optional sign, digits with at most one
// period, at least one digit, optional exponent ("1.5e3").
struct FileNumber {
    bool valid = false;
    bool exponent = false;
    int significantDigits = 0;  // mantissa digits without leading and trailing zeros
    bool nonZeroDigit = false;
};

FileNumber fileNumber(std::string_view text)
{
    FileNumber number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::string digits;
    bool period = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            digits += text[i];
        else if (text[i] == '.' && !period)
            period = true;
        else
            break;
    }
    if (digits.empty())
        return number;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == start)
            return number;
        number.exponent = true;
    }
    if (i != text.size())
        return number;
    const auto first = digits.find_first_not_of('0');
    number.valid = true;
    number.nonZeroDigit = first != std::string::npos;
    if (number.nonZeroDigit)
        number.significantDigits = static_cast<int>(digits.find_last_not_of('0') - first + 1);
    return number;
}

// The field as typed, with the file's period turned into the box's separator.
std::string asTyped(std::string_view field, char decimalSeparator)
{
    std::string text(field);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
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

// %1 the values expected, %2 those found; the messages start with the file's name.
std::string countMessage(int found)
{
    const char *pattern = found == 0   ? QT_TRANSLATE_NOOP("formats", "brelo.dat ignoré : aucune valeur trouvée, %1 attendues.")
                          : found == 1 ? QT_TRANSLATE_NOOP("formats", "brelo.dat ignoré : 1 valeur trouvée, %1 attendues.")
                                       : QT_TRANSLATE_NOOP("formats", "brelo.dat ignoré : %2 valeurs trouvées, %1 attendues.");
    return filled(translated("formats", pattern), {std::to_string(kParamsFieldCount), std::to_string(found)});
}

// A French user who writes "1000,5" shifts every following field: say so.
std::string extraValuesMessage(int found)
{
    return filled(translated("formats", "brelo.dat : %1 valeurs trouvées, seules les %2 premières sont lues — les "
                                        "décimales s'écrivent avec un point, la virgule sépare les valeurs."),
                  {std::to_string(found), std::to_string(kParamsFieldCount)});
}

} // namespace

std::string paramsFieldText(std::string_view field, char decimalSeparator)
{
    const FileNumber shape = fileNumber(field);
    if (!shape.valid)
        return std::string(field);
    const NumericText read = readNumberWith(field, '.');
    if (!read.ok() || shape.exponent || shape.significantDigits > kSignificantDigits)
        return asTyped(field, decimalSeparator);  // beyond the double range, or not plain
    if (read.value == 0.0) {
        // Non-zero digits read as 0 lie below the double range: keep the text.
        if (shape.nonZeroDigit)
            return asTyped(field, decimalSeparator);
        // The sign of "-0" matters: minutes take the sign of the degrees.
        return std::signbit(read.value) ? "-0" : "0";
    }
    const SignificantDigits number = significantDigits(std::fabs(read.value), kSignificantDigits);
    if (number.exponent < kLowestExponent || number.exponent > kHighestExponent)
        return asTyped(field, decimalSeparator);
    return plainForm(number, read.value < 0, decimalSeparator);
}

ParamsRead parseParamsFile(std::string_view contents, char decimalSeparator)
{
    ParamsFields fields;
    FieldReader reader(contents);
    int count = 0;
    int lastValue = 0;  // empty fields after the last value (blank lines) are no values
    bool allEmpty = true;
    while (const auto field = reader.next()) {
        ++count;
        if (field->quoted || !field->text.empty())
            lastValue = count;
        if (count > kParamsFieldCount)
            continue;
        auto &text = fields[static_cast<std::size_t>(count - 1)];
        text = field->quoted ? std::string(field->text) : paramsFieldText(field->text, decimalSeparator);
        allEmpty = allEmpty && text.empty();
    }
    if (count < kParamsFieldCount)
        return {std::nullopt, countMessage(count)};
    // A file of blank lines would empty every box: nothing there is worth loading.
    if (allEmpty)
        return {std::nullopt, filled(translated("formats", "brelo.dat ignoré : les %1 valeurs sont vides."),
                                     {std::to_string(kParamsFieldCount)})};
    if (lastValue > kParamsFieldCount)
        return {std::move(fields), extraValuesMessage(lastValue)};
    return {std::move(fields), {}};
}

} // namespace brelo
