#include "core/ephemeris/calculephem.h"

#include "core/common/numeric_text.h"
#include "core/ephemeris/accuracy_range.h"
#include "core/ephemeris/ephemeris_text.h"
#include "core/ephemeris/horizontal.h"
#include "core/ephemeris/input_ranges.h"
#include "core/ephemeris/nutation.h"
#include "core/ephemeris/observer_angle.h"
#include "core/ephemeris/physical_ephemeris.h"
#include "core/ephemeris/solar_theory.h"
#include "core/ephemeris/time_argument.h"

#include <cmath>

namespace brelo {

namespace {

struct Field {
    const std::string EphemerisInput::*text;
    double PanelNumbers::*value;
    const char *name;  // as the window labels it
    Gender gender;
};

// In the order the computation reads them: the first faulty field is the one named.
constexpr Field kFields[] = {
    {&EphemerisInput::txtjour, &PanelNumbers::day, "le jour", Gender::Masculine},
    {&EphemerisInput::txtmois, &PanelNumbers::month, "le mois", Gender::Masculine},
    {&EphemerisInput::txtann, &PanelNumbers::year, "l'année", Gender::Feminine},
    {&EphemerisInput::txtheur, &PanelNumbers::hour, "l'heure", Gender::Feminine},
    {&EphemerisInput::txtminut, &PanelNumbers::minute, "la minute", Gender::Feminine},
    {&EphemerisInput::txtlatimin, &PanelNumbers::latitudeMinutes, "la latitude (minutes)",
     Gender::Feminine},
    {&EphemerisInput::txtlatideg, &PanelNumbers::latitudeDegrees, "la latitude (degrés)",
     Gender::Feminine},
    {&EphemerisInput::txtlongimin, &PanelNumbers::longitudeMinutes, "la longitude (minutes)",
     Gender::Feminine},
    {&EphemerisInput::txtlongideg, &PanelNumbers::longitudeDegrees, "la longitude (degrés)",
     Gender::Feminine},
};

const char *const kOutOfRange =
    "Calcul impossible : la date, l'heure ou la position donnent des valeurs hors limites.";

// A shown double goes through deci, which rounds it to float: it must fit.
bool showable(double v) { return std::fabs(v) < 1e38; }
bool showable(float v) { return std::isfinite(v); }

template <class... Values>
bool allShowable(Values... values)
{
    return (showable(values) && ...);
}

// The nine numbers, or the first field that is not one, then the first that
// names no real date, time or place: computing it would show another one.
Outcome<PanelNumbers> readFields(const EphemerisInput &input)
{
    PanelNumbers f;
    for (const Field &field : kFields) {
        const NumericText read = readNumber(input.*field.text);
        if (!read.ok())
            return Outcome<PanelNumbers>::failure(
                "Calcul impossible : "
                + fieldProblem(field.name, input.*field.text, read.error, field.gender));
        f.*field.value = read.value;
    }
    if (const auto problem = impossibleInput(input, f))
        return Outcome<PanelNumbers>::failure("Calcul impossible : " + *problem);
    return Outcome<PanelNumbers>::success(f);
}

} // namespace

std::optional<std::string> firstFieldFault(const EphemerisInput &input, char)
{
    const Outcome<PanelNumbers> read = readFields(input);
    return read.ok() ? std::nullopt : std::optional<std::string>(read.error());
}

Outcome<EphemerisResult> calculephem(const EphemerisInput &input, char sep)
{
    const Outcome<PanelNumbers> read = readFields(input);
    if (!read.ok())
        return Outcome<EphemerisResult>::failure(read.error());
    const PanelNumbers &f = read.value();

    const TimeArgument time = timeArgument({f.year, f.month, f.day, f.hour, f.minute});
    const SolarTheory sun = solarTheory(time.centuries);
    const Nutation nut = nutation(time.centuries, sun.node);
    const auto physical = physicalEphemeris(time.julianDay, sun.distanceAu, sun.apparentLongitude,
                                            nut.inLongitude, nut.trueObliquity);
    if (!physical)
        return Outcome<EphemerisResult>::failure(kOutOfRange);
    const double alpha = rightAscension(sun.apparentLongitude, nut.trueObliquity);
    const float delta = declination(sun.apparentLongitude, nut.trueObliquity);
    const double latitude = observerAngle(f.latitudeDegrees, f.latitudeMinutes);
    const double longitude = observerAngle(f.longitudeDegrees, f.longitudeMinutes);
    const auto h = hourAngle(siderealTime(time.julianDay, time.centuries), longitude, alpha);
    if (!h)
        return Outcome<EphemerisResult>::failure(kOutOfRange);
    const float alt = altitude(latitude, delta, *h);
    const double az = azimuth(latitude, delta, *h);
    const float q = northZenithAngle(latitude, delta, alt, *h);

    if (!allShowable(alpha, delta, *h, alt, az, sun.distanceAu, physical->positionAngle,
                     physical->latitudeB0, physical->longitudeL0, q))
        return Outcome<EphemerisResult>::failure(kOutOfRange);

    EphemerisResult r;
    r.lblad = "Ascension droite = " + timeLikeText(alpha);
    r.lbldec = "Déclinaison = " + shownText(delta, sep) + "°";
    r.lblah = hourAngleText(*h, sep);
    r.lblh = "Hauteur = " + shownText(alt, sep) + "°";
    r.lblaz = "Azimuth (0 S, 90 W) = " + shownText(az, sep) + "°";
    r.lblr = "Distance Terre-Soleil = " + shownText(sun.distanceAu, sep) + " U.A.";
    r.lblp = "Angle p (+ vers E) = " + shownText(physical->positionAngle, sep) + "°";
    r.lblb0 = "Latitude héliocentrique BO = " + shownText(physical->latitudeB0, sep) + "°";
    r.lbll0 = "Longitude héliocentrique L0 = " + shownText(physical->longitudeL0, sep) + "°";
    r.lblksi = "Angle Nord-Zenith = " + shownText(q, sep) + "°";
    r.anglep = physical->positionAngle;
    r.latb0 = physical->latitudeB0;
    r.values = {time.julianDay, alpha, delta, *h, alt, az, sun.distanceAu,
                physical->positionAngle, physical->latitudeB0, physical->longitudeL0, q};
    r.accuracyNotice = accuracyNotice(f.year);
    return Outcome<EphemerisResult>::success(r);
}

} // namespace brelo
