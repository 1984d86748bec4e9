#include "cli/ephem_arguments.h"

#include "core/common/numeric_text.h"
#include "core/common/translate.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace brelo {

namespace {

std::string quotedArgument(std::string_view text)
{
    return filled(translated("cli", "« %1 »"), {text});
}

std::string withSeparator(std::string_view text, char sep)
{
    std::string out(text);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '.' || c == ','; }, sep);
    return out;
}

// Reads a whole number that fills the text; nothing for any other text.
template <class Int>
std::optional<Int> wholeNumber(std::string_view text)
{
    Int value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

Outcome<AngleFields> angleFields(std::string_view text, const char *name, double limit, char sep)
{
    using Failure = Outcome<AngleFields>;
    const auto colon = text.find(':');
    AngleFields fields{withSeparator(text.substr(0, colon), sep), "0"};
    if (colon != std::string_view::npos)
        fields.minutes = withSeparator(text.substr(colon + 1), sep);
    const NumericText degrees = readNumber(fields.degrees, sep);
    const NumericText minutes = readNumber(fields.minutes, sep);
    // %1 the angle's name, %2 the text quoted.
    const auto problem = [&](const char *pattern, const std::string &limitText = {}) {
        return Failure::failure(
            filled(translated("cli", pattern), {translated("fields", name), quotedArgument(text), limitText}));
    };
    if (!degrees.ok() || !minutes.ok())
        return problem(QT_TRANSLATE_NOOP("cli", "%1 (%2) n'est pas un angle en degrés (48.85 ou 48:51)."));
    // 48.5:30 could be 48° 30' or 49°: with minutes, the degrees are whole.
    if (colon != std::string_view::npos && fields.degrees.find(sep) != std::string::npos)
        return problem(QT_TRANSLATE_NOOP("cli", "%1 (%2) a des degrés décimaux et des minutes : écrivez soit des "
                                                "degrés décimaux (48.85), soit degrés:minutes (48:51)."));
    if (std::signbit(minutes.value) || minutes.value >= 60.0
        || (colon != std::string_view::npos && fields.minutes.find_first_of("+-") != std::string::npos))
        return problem(QT_TRANSLATE_NOOP("cli", "%1 (%2) a des minutes hors de 0 à 60 (60 exclu) ; le signe "
                                                "se met devant les degrés (-0:34)."));
    const double magnitude = std::fabs(degrees.value) + minutes.value / 60.0;
    if (magnitude > limit)
        return problem(QT_TRANSLATE_NOOP("cli", "%1 (%2) doit rester entre -%3 et %3 degrés."),
                       std::to_string(int(limit)));
    return Outcome<AngleFields>::success(fields);
}

Outcome<PeriodStep> periodStep(std::string_view text)
{
    struct Unit {
        std::string_view name;
        StepUnit unit;
    };
    static constexpr Unit kUnits[] = {
        {"min", StepUnit::Minutes}, {"mn", StepUnit::Minutes},
        {"minutes", StepUnit::Minutes}, {"minute", StepUnit::Minutes},
        {"h", StepUnit::Hours},       {"heures", StepUnit::Hours}, {"heure", StepUnit::Hours},
        {"d", StepUnit::Days},        {"j", StepUnit::Days},       {"jours", StepUnit::Days},
        {"jour", StepUnit::Days},
    };
    const auto unitStart = std::find_if(text.begin(), text.end(), [](char c) {
        return !(c >= '0' && c <= '9') && c != '-' && c != '+';
    });
    const std::string_view number(text.begin(), unitStart);
    std::string_view unitText(unitStart, text.end());
    while (!unitText.empty() && unitText.front() == ' ')
        unitText.remove_prefix(1);
    const auto count = wholeNumber<long long>(number);
    const auto unit = std::find_if(std::begin(kUnits), std::end(kUnits),
                                   [&](const Unit &u) { return u.name == unitText; });
    if (!count || unit == std::end(kUnits))
        return Outcome<PeriodStep>::failure(
            filled(translated("cli", "le pas (%1) s'écrit comme 10min, 2h ou 1d."), {quotedArgument(text)}));
    if (*count < 1)
        return Outcome<PeriodStep>::failure(
            filled(translated("cli", "le pas (%1) doit valoir au moins 1."), {quotedArgument(text)}));
    return Outcome<PeriodStep>::success({*count, unit->unit});
}

Outcome<CivilTime> civilTime(std::string_view text, const char *name)
{
    const auto problem = [&](const char *pattern) {
        return Outcome<CivilTime>::failure(filled(translated("cli", pattern), {name, quotedArgument(text)}));
    };
    // AAAA-MM-JJ, then optionally T or a blank and HH:MM.
    const bool shaped = (text.size() == 10 || (text.size() == 16 && (text[10] == 'T' || text[10] == ' ')
                                               && text[13] == ':'))
                        && text[4] == '-' && text[7] == '-';
    const auto part = [&](std::size_t at, std::size_t length) {
        return shaped ? wholeNumber<unsigned>(text.substr(at, length)) : std::nullopt;
    };
    const auto year = part(0, 4), month = part(5, 2), day = part(8, 2);
    const auto hour = text.size() == 16 ? part(11, 2) : std::optional<unsigned>(0);
    const auto minute = text.size() == 16 ? part(14, 2) : std::optional<unsigned>(0);
    if (!year || !month || !day || !hour || !minute)
        return problem(QT_TRANSLATE_NOOP("cli", "%1 (%2) s'écrit AAAA-MM-JJTHH:MM, par exemple 2027-03-20T06:00."));
    const CivilTime civil{static_cast<int>(*year), *month, *day, *hour, *minute};
    if (!instantOf(civil))
        return problem(QT_TRANSLATE_NOOP("cli", "%1 (%2) n'est pas une date et une heure qui existent."));
    return Outcome<CivilTime>::success(civil);
}

} // namespace brelo
