#include "core/drawing/disc_template_heading.h"

#include "core/common/translate.h"
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
    return filled(translated("ephemeris", "%1 TU"), {civilTimeText(civilTimeOf(UtMinutes{std::chrono::minutes{minutes}}))});
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
    h.dateTime = filled(translated("drawing", "Date et heure : %1"), {utMinuteText(v.julianDay)});
    h.orientation = "P = " + shownText(result.anglep, sep) + "° · B0 = " + shownText(result.latb0, sep)
                    + "° · L0 = " + shownText(v.longitudeL0Deg, sep) + "°";
    h.carrington = filled(translated("drawing", "Rotation de Carrington : %1"),
                          {carringtonText(carringtonRotation(v.julianDay), sep)});
    h.place = filled(translated("drawing", "Lieu : latitude %1° %2', longitude %3° %4' (+ à l'Est)"),
                     {input.txtlatideg, input.txtlatimin, input.txtlongideg, input.txtlongimin});
    if (zenithUp)
        h.zenith = filled(translated("drawing", "Zénith en haut : angle Nord-Zénith = %1°"),
                          {shownText(static_cast<float>(v.northZenithDeg), sep)});
    for (const char *label : {QT_TRANSLATE_NOOP("drawing", "Observateur : %1"), QT_TRANSLATE_NOOP("drawing", "Seeing : %1"),
                              QT_TRANSLATE_NOOP("drawing", "Instrument : %1")})
        h.blanks.push_back(filled(translated("drawing", label), {kRule}));
    return h;
}

} // namespace brelo
