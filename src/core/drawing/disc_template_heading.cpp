#include "core/drawing/disc_template_heading.h"

#include "core/ephemeris/carrington.h"
#include "core/ephemeris/ephemeris_text.h"
#include "core/ephemeris/period_table.h"

#include <cmath>

namespace brelo {

namespace {

constexpr double kUnixEpochJd = 2440587.5;
const std::string kRule(30, '_');  // room to write by hand

// The page's instant, a whole minute of UT.
std::string utMinuteText(double julianDay)
{
    const auto minutes = std::llround((julianDay - kUnixEpochJd) * 1440.0);
    return civilTimeText(civilTimeOf(UtMinutes{std::chrono::minutes{minutes}})) + " TU";
}

} // namespace

std::vector<std::string> TemplateHeading::lines() const
{
    std::vector<std::string> all{dateTime, orientation, carrington, place, zenith};
    all.insert(all.end(), blanks.begin(), blanks.end());
    std::erase_if(all, [](const std::string &line) { return line.empty(); });
    return all;
}

TemplateHeading templateHeading(const EphemerisInput &input, const EphemerisResult &result, bool zenithUp,
                                char sep)
{
    const EphemerisValues &v = result.values;
    TemplateHeading h;
    h.dateTime = "Date et heure : " + utMinuteText(v.julianDay);
    h.orientation = "P = " + shownText(result.anglep, sep) + "° · B0 = " + shownText(result.latb0, sep)
                    + "° · L0 = " + shownText(v.longitudeL0Deg, sep) + "°";
    h.carrington = "Rotation de Carrington : " + carringtonText(carringtonRotation(v.julianDay), sep);
    h.place = "Lieu : latitude " + input.txtlatideg + "° " + input.txtlatimin + "', longitude "
              + input.txtlongideg + "° " + input.txtlongimin + "' (+ à l'Est)";
    if (zenithUp)
        h.zenith = "Zénith en haut : angle Nord-Zénith = "
                   + shownText(static_cast<float>(v.northZenithDeg), sep) + "°";
    for (const char *label : {"Observateur", "Seeing", "Instrument"})
        h.blanks.push_back(std::string(label) + " : " + kRule);
    return h;
}

} // namespace brelo
