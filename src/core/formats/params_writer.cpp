#include "core/formats/params_writer.h"

#include "core/common/numeric_text.h"
#include "core/common/translate.h"

#include <algorithm>

namespace brelo {

namespace {

const char *const kFieldNames[kParamsFieldCount] = {
    QT_TRANSLATE_NOOP("fields", "la focale de O1"),       QT_TRANSLATE_NOOP("fields", "le diamètre de O1"),
    QT_TRANSLATE_NOOP("fields", "la focale de O2"),       QT_TRANSLATE_NOOP("fields", "le diamètre de O2"),
    QT_TRANSLATE_NOOP("fields", "la distance A"),         QT_TRANSLATE_NOOP("fields", "la focale de O3"),
    QT_TRANSLATE_NOOP("fields", "le diamètre de O3"),     QT_TRANSLATE_NOOP("fields", "la focale de O3'"),
    QT_TRANSLATE_NOOP("fields", "le diamètre de O3'"),    QT_TRANSLATE_NOOP("fields", "la latitude (degrés)"),
    QT_TRANSLATE_NOOP("fields", "la latitude (minutes)"), QT_TRANSLATE_NOOP("fields", "la longitude (degrés)"),
    QT_TRANSLATE_NOOP("fields", "la longitude (minutes)")};

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The line of one box text that reads back as that text: the text with a
// period, or, when the file would shorten it, the short form itself. A box
// reads either separator; the file knows only the point.
std::string fileLine(std::string_view boxText, char decimalSeparator)
{
    const std::string_view text = trimmed(boxText);
    std::string line(text);
    std::replace(line.begin(), line.end(), ',', '.');
    if (paramsFieldText(line, decimalSeparator) == text)
        return line;
    return paramsFieldText(line, '.');
}

} // namespace

const char *paramsFieldName(int index)
{
    return index >= 0 && index < kParamsFieldCount ? kFieldNames[index] : "";
}

Outcome<std::string> paramsFileText(const ParamsFields &texts, char decimalSeparator)
{
    std::string file;
    for (int i = 0; i < kParamsFieldCount; ++i) {
        const std::string &text = texts[static_cast<std::size_t>(i)];
        const NumericText read = readNumber(text);
        if (!read.ok())
            return Outcome<std::string>::failure(fieldProblem(kFieldNames[i], text, read.error));
        file += fileLine(text, decimalSeparator) + "\n";
    }
    return Outcome<std::string>::success(std::move(file));
}

} // namespace brelo
