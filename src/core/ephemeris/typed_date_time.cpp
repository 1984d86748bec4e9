#include "core/ephemeris/typed_date_time.h"

#include "core/common/numeric_text.h"
#include "core/common/translate.h"
#include "core/ephemeris/input_ranges.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace brelo {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Reads `digits` (1 to `most` digits, a '-' first when `signedNumber`) up to
// `end`, and moves past `end`; false when the text is not so.
bool readPart(std::string_view &text, char end, std::size_t most, bool signedNumber, int &value)
{
    const std::size_t stop = end ? text.find(end) : text.size();
    const std::string_view part = text.substr(0, stop);
    const std::size_t sign = signedNumber && part.starts_with('-') ? 1 : 0;
    const std::size_t digits = part.size() - sign;
    if (stop == std::string_view::npos || digits == 0 || digits > most
        || part.find_first_not_of("0123456789", sign) != std::string_view::npos)
        return false;
    std::from_chars(part.data(), part.data() + part.size(), value);
    text.remove_prefix(end ? stop + 1 : stop);
    return true;
}

} // namespace

std::string typedDateTimeText(const CivilTime &c)
{
    char text[48];
    std::snprintf(text, sizeof text, c.year >= 1 ? "%02u/%02u/%04d %02u:%02u" : "%02u/%02u/%d %02u:%02u", c.day,
                  c.month, c.year, c.hour, c.minute);
    return text;
}

Outcome<CivilTime> readTypedDateTime(std::string_view typed, std::string_view subject)
{
    const std::string quoted = quotedText(typed);
    std::string_view text = trimmed(typed);
    std::array<int, 5> n{};  // day, month, year, hour, minute
    const std::size_t blank = text.find_first_of(" \t");
    std::string_view time = blank == std::string_view::npos ? std::string_view() : trimmed(text.substr(blank));
    text = text.substr(0, blank);
    if (!readPart(text, '/', 2, false, n[0]) || !readPart(text, '/', 2, false, n[1])
        || !readPart(text, 0, 5, true, n[2]) || !readPart(time, ':', 2, false, n[3])
        || !readPart(time, 0, 2, false, n[4]))
        return Outcome<CivilTime>::failure(
            filled(translated("ephemeris", "%1%2 doit s'écrire JJ/MM/AAAA HH:MM, par exemple 05/03/2027 08:00."),
                   {subject, quoted}));
    const auto refuse = [&](const std::string &why) {
        return Outcome<CivilTime>::failure(
            filled(translated("ephemeris", "%1%2 n'existe pas : %3."), {subject, quoted, why}));
    };
    const int year = n[2];
    if (year < static_cast<int>(std::chrono::year::min()) || year > static_cast<int>(std::chrono::year::max()))
        return refuse(translated("ephemeris", "l'année va de -32767 à 32767"));
    if (n[1] < 1 || n[1] > 12)
        return refuse(translated("ephemeris", "le mois va de 1 à 12"));
    const int lastDay = daysInMonth(year, n[1]);
    if (n[0] < 1 || n[0] > lastDay)
        return refuse(filled(translated("ephemeris", "%1 %2 compte %3 jours"),
                             {monthName(n[1]), std::to_string(year), std::to_string(lastDay)}));
    if (n[3] > 23)
        return refuse(translated("ephemeris", "l'heure va de 0 à 23"));
    if (n[4] > 59)
        return refuse(translated("ephemeris", "la minute va de 0 à 59"));
    return Outcome<CivilTime>::success({year, static_cast<unsigned>(n[1]), static_cast<unsigned>(n[0]),
                                        static_cast<unsigned>(n[3]), static_cast<unsigned>(n[4])});
}

} // namespace brelo
