#include "shell/params_writer.h"

#include "common/number_text.h"
#include "common/numeric_text.h"

#include <cmath>

namespace brelo {

namespace {

const char *const kFieldNames[kParamsFieldCount] = {
    "la focale de O1",      "le diamètre de O1",     "la focale de O2",       "le diamètre de O2",
    "la distance A",        "la focale de O3",       "le diamètre de O3",     "la focale de O3'",
    "le diamètre de O3'",   "la latitude (degrés)",  "la latitude (minutes)", "la longitude (degrés)",
    "la longitude (minutes)",
};

// Field 9 goes back into its box verbatim when read.
constexpr int kVerbatimField = 8;

bool isPlainNumber(std::string_view text, char decimalSeparator)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    int separators = 0;
    for (char c : text) {
        if (c == decimalSeparator)
            ++separators;
        else if (c < '0' || c > '9')
            return false;
    }
    return separators <= 1;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The number as the file holds it: the text itself with a point when it is
// already plain, else 15 significant digits in plain form.
std::string fileNumber(std::string_view text, double value, char decimalSeparator)
{
    std::string out;
    if (isPlainNumber(text, decimalSeparator)) {
        out = text;
        for (char &c : out)
            if (c == decimalSeparator)
                c = '.';
        return out;
    }
    if (value == 0.0)
        return std::signbit(value) ? "-0" : "0";
    return plainForm(significantDigits(std::fabs(value), 15), value < 0.0, '.');
}

} // namespace

const char *paramsFieldName(int index) { return kFieldNames[index]; }

Outcome<std::string> paramsFileText(const ParamsFields &texts, char decimalSeparator)
{
    std::string file;
    for (int i = 0; i < kParamsFieldCount; ++i) {
        const std::string_view text = trimmed(texts[i]);
        const NumericText read = readNumber(text, decimalSeparator);
        if (!read.ok())
            return Outcome<std::string>::failure(std::string(kFieldNames[i]) + " "
                                                 + numericTextReason(read.error, genderOfName(kFieldNames[i])) + ".");
        // A decimal comma in the verbatim field stays quoted, so that it reads back as typed.
        if (i == kVerbatimField && decimalSeparator != '.' && text.find(decimalSeparator) != std::string_view::npos)
            file.append(1, '"').append(text).append(1, '"');
        else
            file += fileNumber(text, read.value, decimalSeparator);
        file += '\n';
    }
    return Outcome<std::string>::success(file);
}

} // namespace brelo
