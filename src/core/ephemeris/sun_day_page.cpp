// Reading the ephemeris page's date and place for the Sun's day.
#include "core/ephemeris/sun_day.h"

#include "core/common/translate.h"
#include "core/ephemeris/observer_angle.h"
#include "core/ephemeris/panel_fields.h"
#include "core/ephemeris/time_argument.h"

#include <algorithm>
#include <cmath>

namespace brelo {

namespace {

using namespace std::chrono;

struct AngleFields {
    PanelField minutes, degrees;  // read in this order, as the page reads them
    const char *name;
    double limit;
};

constexpr AngleFields kLatitude{PanelField::LatitudeMinutes, PanelField::LatitudeDegrees,
                                QT_TRANSLATE_NOOP("fields", "la latitude"), 90.0};
constexpr AngleFields kLongitude{PanelField::LongitudeMinutes, PanelField::LongitudeDegrees,
                                 QT_TRANSLATE_NOOP("fields", "la longitude"), 180.0};

// "la latitude (95° 0') n'est pas comprise entre -90° et 90°": what was typed,
// in the page's two fields.
Outcome<double> readAngle(const EphemerisInput &input, const AngleFields &angle, char sep)
{
    const Outcome<double> minutes = readPanelField(input, angle.minutes, sep);
    if (!minutes.ok())
        return minutes;
    const Outcome<double> degrees = readPanelField(input, angle.degrees, sep);
    if (!degrees.ok())
        return degrees;
    const double value = observerAngle(degrees.value(), minutes.value());
    if (!(std::fabs(value) <= angle.limit)) {
        const std::string limit = std::to_string(static_cast<int>(angle.limit));
        return Outcome<double>::failure(impossibleCalculation(
            filled(translated("ephemeris", "%1 (%2° %3') n'est pas comprise entre -%4° et %4°."),
                   {translated("fields", angle.name), panelText(input, angle.degrees),
                    panelText(input, angle.minutes), limit})));
    }
    return Outcome<double>::success(value);
}

} // namespace

Outcome<DayPlace> dayPlaceOf(const EphemerisInput &input, char sep)
{
    const Outcome<double> latitude = readAngle(input, kLatitude, sep);
    if (!latitude.ok())
        return Outcome<DayPlace>::failure(latitude.error());
    const Outcome<double> longitude = readAngle(input, kLongitude, sep);
    if (!longitude.ok())
        return Outcome<DayPlace>::failure(longitude.error());
    return Outcome<DayPlace>::success({latitude.value(), longitude.value()});
}

Outcome<DayPlace> dayPlaceOf(const ObserverPosition &position, char sep)
{
    EphemerisInput input;
    input.txtlatideg = position.latitudeDegrees;
    input.txtlatimin = position.latitudeMinutes;
    input.txtlongideg = position.longitudeDegrees;
    input.txtlongimin = position.longitudeMinutes;
    return dayPlaceOf(input, sep);
}

Outcome<SunDay> sunDayOfPage(const EphemerisInput &input, char sep)
{
    double date[3] = {};  // day, month, year, read in the page's order
    const PanelField fields[3] = {PanelField::Day, PanelField::Month, PanelField::Year};
    for (int i = 0; i < 3; ++i) {
        const Outcome<double> read = readPanelField(input, fields[i], sep);
        if (!read.ok())
            return Outcome<SunDay>::failure(read.error());
        date[i] = read.value();
    }
    const Outcome<DayPlace> place = dayPlaceOf(input, sep);
    if (!place.ok())
        return Outcome<SunDay>::failure(place.error());

    // The page's Julian Day at 0 h, the day entering linearly; a fraction of
    // a day typed stays within its date.
    const double jd = timeArgument({date[2], date[1], date[0], 0.0, 0.0}).julianDay;
    // A date far beyond the years sunDay accepts is held at 1e8 days, still
    // beyond them, for sunDay to refuse with its message.
    const double daysSinceEpoch = std::clamp(std::floor(jd - 0.5) + 0.5 - 2440587.5, -1e8, 1e8);
    return sunDay(place.value(), sys_days{days{static_cast<long>(daysSinceEpoch)}}, sep);
}

} // namespace brelo
