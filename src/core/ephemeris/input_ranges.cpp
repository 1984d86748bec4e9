#include "core/ephemeris/input_ranges.h"

#include "core/common/number_text.h"
#include "core/common/numeric_text.h"
#include "core/ephemeris/observer_angle.h"

#include <cmath>

namespace brelo {

namespace {

const char *const kMonthNames[] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                   "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

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

std::string wholeRange(const char *name, const std::string &text, const std::string &range)
{
    return name + quotedText(text) + " doit être un nombre entier" + range + ".";
}

// The minutes field of an angle, then the angle as degrees and minutes together.
std::optional<std::string> angleProblem(const char *name, const std::string &degreesText,
                                        const std::string &minutesText, double degrees,
                                        double minutes, int limit)
{
    if (!(minutes >= 0.0 && minutes <= 60.0))
        return std::string(name) + " (minutes)" + quotedText(minutesText)
               + " doit être comprise entre 0 et 60.";
    if (std::fabs(observerAngle(degrees, minutes)) <= limit)
        return std::nullopt;
    const std::string bound = std::to_string(limit) + "°";
    return name + quotedText(degreesText + "° " + minutesText + "'") + " doit être comprise entre -"
           + bound + " et " + bound + ".";
}

} // namespace

int daysInMonth(double year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

std::optional<std::string> impossibleInput(const EphemerisInput &t, const PanelNumbers &n)
{
    if (!whole(n.year))
        return wholeRange("l'année", t.txtann, "");
    if (!wholeWithin(n.month, 1, 12))
        return wholeRange("le mois", t.txtmois, " de 1 à 12");
    const int month = static_cast<int>(n.month);
    const int lastDay = daysInMonth(n.year, month);
    if (!wholeWithin(n.day, 1, lastDay)) {
        // The month named, with its year when that is short enough to read.
        std::string range = " de 1 à " + std::to_string(lastDay);
        range += std::string(" (") + kMonthNames[month - 1];
        if (std::fabs(n.year) < 1e9)
            range.append(" ").append(wholeText(n.year));
        return wholeRange("le jour", t.txtjour, range + ")");
    }
    // 24 h is the next day's 0 h, as the time argument counts it.
    if (!wholeWithin(n.hour, 0, 24) || (n.hour == 24 && n.minute != 0))
        return wholeRange("l'heure", t.txtheur, " de 0 à 24 (24 seulement avec 0 minute)");
    if (!wholeWithin(n.minute, 0, 59))
        return wholeRange("la minute", t.txtminut, " de 0 à 59");
    if (auto problem = angleProblem("la latitude", t.txtlatideg, t.txtlatimin, n.latitudeDegrees,
                                    n.latitudeMinutes, 90))
        return problem;
    return angleProblem("la longitude", t.txtlongideg, t.txtlongimin, n.longitudeDegrees,
                        n.longitudeMinutes, 180);
}

} // namespace brelo
