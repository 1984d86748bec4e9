#include "core/ephemeris/calculephem.h"

#include "core/common/translate.h"
#include "core/ephemeris/accuracy_range.h"
#include "core/ephemeris/ephemeris_text.h"
#include "core/ephemeris/horizontal.h"
#include "core/ephemeris/input_ranges.h"
#include "core/ephemeris/nutation.h"
#include "core/ephemeris/observer_angle.h"
#include "core/ephemeris/panel_fields.h"
#include "core/ephemeris/physical_ephemeris.h"
#include "core/ephemeris/solar_theory.h"
#include "core/ephemeris/time_argument.h"

#include <cmath>

namespace brelo {

namespace {

struct Field {
    PanelField field;
    double PanelNumbers::*value;
};

// In the order the computation reads them: the first faulty field is the one named.
constexpr Field kFields[] = {
    {PanelField::Day, &PanelNumbers::day},
    {PanelField::Month, &PanelNumbers::month},
    {PanelField::Year, &PanelNumbers::year},
    {PanelField::Hour, &PanelNumbers::hour},
    {PanelField::Minute, &PanelNumbers::minute},
    {PanelField::LatitudeMinutes, &PanelNumbers::latitudeMinutes},
    {PanelField::LatitudeDegrees, &PanelNumbers::latitudeDegrees},
    {PanelField::LongitudeMinutes, &PanelNumbers::longitudeMinutes},
    {PanelField::LongitudeDegrees, &PanelNumbers::longitudeDegrees},
};


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
Outcome<PanelNumbers> readFields(const EphemerisInput &input, char sep)
{
    PanelNumbers f;
    for (const Field &field : kFields) {
        const Outcome<double> read = readPanelField(input, field.field, sep);
        if (!read.ok())
            return Outcome<PanelNumbers>::failure(read.error());
        f.*field.value = read.value();
    }
    if (const auto problem = impossibleInput(input, f))
        return Outcome<PanelNumbers>::failure(impossibleCalculation(*problem));
    return Outcome<PanelNumbers>::success(f);
}

} // namespace

std::string impossibleCalculation(const std::string &cause)
{
    return filled(translated("ephemeris", "Calcul impossible : %1"), {cause});
}

std::string ephemerisOutOfRange()
{
    return impossibleCalculation(
        translated("ephemeris", "la date, l'heure ou la position donnent des valeurs hors limites."));
}

std::optional<std::string> firstFieldFault(const EphemerisInput &input, char sep)
{
    const Outcome<PanelNumbers> read = readFields(input, sep);
    return read.ok() ? std::nullopt : std::optional<std::string>(read.error());
}

Outcome<EphemerisResult> calculephem(const EphemerisInput &input, char sep)
{
    const Outcome<PanelNumbers> read = readFields(input, sep);
    if (!read.ok())
        return Outcome<EphemerisResult>::failure(read.error());
    const PanelNumbers &f = read.value();

    const TimeArgument time = timeArgument({f.year, f.month, f.day, f.hour, f.minute});
    const SolarTheory sun = solarTheory(time.centuries);
    const Nutation nut = nutation(time.centuries, sun.node);
    const auto physical = physicalEphemeris(time.julianDay, sun.distanceAu, sun.apparentLongitude,
                                            nut.inLongitude, nut.trueObliquity);
    if (!physical)
        return Outcome<EphemerisResult>::failure(ephemerisOutOfRange());
    const double alpha = rightAscension(sun.apparentLongitude, nut.trueObliquity);
    const float delta = declination(sun.apparentLongitude, nut.trueObliquity);
    const double latitude = observerAngle(f.latitudeDegrees, f.latitudeMinutes);
    const double longitude = observerAngle(f.longitudeDegrees, f.longitudeMinutes);
    const auto h = hourAngle(siderealTime(time.julianDay, time.centuries), longitude, alpha);
    if (!h)
        return Outcome<EphemerisResult>::failure(ephemerisOutOfRange());
    const float alt = altitude(latitude, delta, *h);
    const double az = azimuth(latitude, delta, *h);
    const float q = northZenithAngle(latitude, delta, alt, *h);

    if (!allShowable(alpha, delta, *h, alt, az, sun.distanceAu, physical->positionAngle,
                     physical->latitudeB0, physical->longitudeL0, q))
        return Outcome<EphemerisResult>::failure(ephemerisOutOfRange());

    EphemerisResult r;
    const auto label = [](const char *pattern, const std::string &value) {
        return filled(translated("ephemeris", pattern), {value});
    };
    r.lblad = label(QT_TRANSLATE_NOOP("ephemeris", "Ascension droite = %1"), timeLikeText(alpha));
    r.lbldec = label(QT_TRANSLATE_NOOP("ephemeris", "Déclinaison = %1°"), shownText(delta, sep));
    r.lblah = hourAngleText(*h, sep);
    r.lblh = label(QT_TRANSLATE_NOOP("ephemeris", "Hauteur = %1°"), shownText(alt, sep));
    r.lblaz = label(QT_TRANSLATE_NOOP("ephemeris", "Azimuth (0 S, 90 W) = %1°"), shownText(az, sep));
    r.lblr = label(QT_TRANSLATE_NOOP("ephemeris", "Distance Terre-Soleil = %1 U.A."), shownText(sun.distanceAu, sep));
    r.lblp = label(QT_TRANSLATE_NOOP("ephemeris", "Angle p (+ vers E) = %1°"), shownText(physical->positionAngle, sep));
    r.lblb0 = label(QT_TRANSLATE_NOOP("ephemeris", "Latitude héliocentrique BO = %1°"),
                    shownText(physical->latitudeB0, sep));
    r.lbll0 = label(QT_TRANSLATE_NOOP("ephemeris", "Longitude héliocentrique L0 = %1°"),
                    shownText(physical->longitudeL0, sep));
    r.lblksi = label(QT_TRANSLATE_NOOP("ephemeris", "Angle Nord-Zenith = %1°"), shownText(q, sep));
    r.anglep = physical->positionAngle;
    r.latb0 = physical->latitudeB0;
    r.values = {time.julianDay, alpha, delta, *h, alt, az, sun.distanceAu,
                physical->positionAngle, physical->latitudeB0, physical->longitudeL0, q};
    r.accuracyNotice = accuracyNotice(f.year);
    return Outcome<EphemerisResult>::success(r);
}

} // namespace brelo
