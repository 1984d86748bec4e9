#include "core/ephemeris/input_ranges.h"

#include "core/common/number_text.h"
#include "core/common/numeric_text.h"
#include "core/common/translate.h"
#include "core/ephemeris/observer_angle.h"

#include <cmath>

namespace brelo {

namespace {

const char *const kMonthNames[] = {
    QT_TRANSLATE_NOOP("ephemeris", "janvier"),   QT_TRANSLATE_NOOP("ephemeris", "février"),
    QT_TRANSLATE_NOOP("ephemeris", "mars"),      QT_TRANSLATE_NOOP("ephemeris", "avril"),
    QT_TRANSLATE_NOOP("ephemeris", "mai"),       QT_TRANSLATE_NOOP("ephemeris", "juin"),
    QT_TRANSLATE_NOOP("ephemeris", "juillet"),   QT_TRANSLATE_NOOP("ephemeris", "août"),
    QT_TRANSLATE_NOOP("ephemeris", "septembre"), QT_TRANSLATE_NOOP("ephemeris", "octobre"),
    QT_TRANSLATE_NOOP("ephemeris", "novembre"),  QT_TRANSLATE_NOOP("ephemeris", "décembre")};

bool whole(double value) { return std::floor(value) == value; }

bool wholeWithin(double value, double low, double high)
{
    return whole(value) && value >= low && value <= high;
}

bool leapYear(double year)
{
    const auto divisible = [year](double n) { return std::fmod(year, n) == 0.0; };
    return divisible(4.0) && (!divisible(100.0) || divisible(400.0));
}

// `pattern` of the "ephemeris" context: %1 the field's name (of the "fields"
// context), %2 its text quoted, %3 the last day and %4 its month.
std::string wholeRange(const char *pattern, const char *name, const std::string &text,
                       const std::string &lastDay = {}, const std::string &month = {})
{
    return filled(translated("ephemeris", pattern), {translated("fields", name), quotedText(text), lastDay, month});
}

// The minutes field of an angle, then the angle as degrees and minutes together.
std::optional<std::string> angleProblem(const char *name, const std::string &degreesText,
                                        const std::string &minutesText, double degrees,
                                        double minutes, int limit)
{
    if (!(minutes >= 0.0 && minutes <= 60.0))
        return filled(translated("ephemeris", "%1 (minutes)%2 doit être comprise entre 0 et 60."),
                      {translated("fields", name), quotedText(minutesText)});
    if (std::fabs(observerAngle(degrees, minutes)) <= limit)
        return std::nullopt;
    return filled(translated("ephemeris", "%1%2 doit être comprise entre -%3 et %3."),
                  {translated("fields", name), quotedText(degreesText + "° " + minutesText + "'"),
                   std::to_string(limit) + "°"});
}

} // namespace

int daysInMonth(double year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

std::string monthName(int month) { return translated("ephemeris", kMonthNames[month - 1]); }

std::optional<std::string> impossibleInput(const EphemerisInput &t, const PanelNumbers &n)
{
    if (!whole(n.year))
        return wholeRange(QT_TRANSLATE_NOOP("ephemeris", "%1%2 doit être un nombre entier."),
                          QT_TRANSLATE_NOOP("fields", "l'année"), t.txtann);
    if (!wholeWithin(n.month, 1, 12))
        return wholeRange(QT_TRANSLATE_NOOP("ephemeris", "%1%2 doit être un nombre entier de 1 à 12."),
                          QT_TRANSLATE_NOOP("fields", "le mois"), t.txtmois);
    const int month = static_cast<int>(n.month);
    const int lastDay = daysInMonth(n.year, month);
    if (!wholeWithin(n.day, 1, lastDay)) {
        // The month named, with its year when that is short enough to read.
        std::string named = monthName(month);
        if (std::fabs(n.year) < 1e9)
            named.append(" ").append(wholeText(n.year));
        return wholeRange(QT_TRANSLATE_NOOP("ephemeris", "%1%2 doit être un nombre entier de 1 à %3 (%4)."),
                          QT_TRANSLATE_NOOP("fields", "le jour"), t.txtjour, std::to_string(lastDay), named);
    }
    // 24 h is the next day's 0 h, as the time argument counts it.
    if (!wholeWithin(n.hour, 0, 24) || (n.hour == 24 && n.minute != 0))
        return wholeRange(
            QT_TRANSLATE_NOOP("ephemeris", "%1%2 doit être un nombre entier de 0 à 24 (24 seulement avec 0 minute)."),
            QT_TRANSLATE_NOOP("fields", "l'heure"), t.txtheur);
    if (!wholeWithin(n.minute, 0, 59))
        return wholeRange(QT_TRANSLATE_NOOP("ephemeris", "%1%2 doit être un nombre entier de 0 à 59."),
                          QT_TRANSLATE_NOOP("fields", "la minute"), t.txtminut);
    if (auto problem = angleProblem(QT_TRANSLATE_NOOP("fields", "la latitude"), t.txtlatideg, t.txtlatimin,
                                    n.latitudeDegrees, n.latitudeMinutes, 90))
        return problem;
    return angleProblem(QT_TRANSLATE_NOOP("fields", "la longitude"), t.txtlongideg, t.txtlongimin,
                        n.longitudeDegrees, n.longitudeMinutes, 180);
}

} // namespace brelo
